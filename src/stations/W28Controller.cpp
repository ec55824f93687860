#include "stations/W28Controller.h"

#include "stations/NeutralCaptions.h"
#include "stations/StationFile.h"
#include "stations/W28History.h"
#include "stations/W28Reading.h"

namespace parlhora {

W28Controller::W28Controller(SourceContext& context, HistoryFileSettings& settings, QObject* parent)
    : HistoryFileController(WeatherSource::W28, context, settings, parent) {}

bool W28Controller::readFile(QString& file, StationReading& reading) {
  const auto window = StationFile::read(file, [](QIODevice& d) { return W28History::read(d); });
  if (!window) return false;
  W28Reading::evaluate(*window, params(), reading);
  return true;
}

void W28Controller::resetCaptions() { NeutralCaptions::laCrosse(captions_); }

}  // namespace parlhora
