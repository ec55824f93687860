#include "stations/W23Controller.h"

#include "stations/NeutralCaptions.h"
#include "stations/StationFile.h"
#include "stations/W23History.h"
#include "stations/W23Reading.h"

namespace parlhora {

W23Controller::W23Controller(SourceContext& context, HistoryFileSettings& settings, QObject* parent)
    : HistoryFileController(WeatherSource::W23, context, settings, parent) {}

bool W23Controller::readFile(QString& file, StationReading& reading) {
  const auto window = StationFile::read(file, [](QIODevice& d) { return W23History::read(d); });
  if (!window) return false;
  W23Reading::evaluate(*window, params(), reading);
  return true;
}

void W23Controller::resetCaptions() { NeutralCaptions::laCrosse(captions_); }

}  // namespace parlhora
