#include "stations/Pro2Controller.h"

#include "platform/Clock.h"
#include "stations/NeutralCaptions.h"
#include "stations/Pro2FileName.h"
#include "stations/Pro2MonthFile.h"
#include "stations/Pro2Reading.h"
#include "stations/StationFile.h"

namespace parlhora {

Pro2Controller::Pro2Controller(SourceContext& context, HistoryFileSettings& settings, QObject* parent)
    : HistoryFileController(WeatherSource::PRO2, context, settings, parent) {}

bool Pro2Controller::readFile(QString& file, StationReading& reading) {
  if (!Pro2FileName::hasWlkExtension(file) || !Pro2FileName::month(file)) return false;
  if (settings_.currentMonthFile) file = Pro2FileName::current(file, context_.clock.now().date());
  const auto month = Pro2FileName::month(file);
  const auto window = StationFile::read(file, [](QIODevice& d) { return Pro2MonthFile::read(d); });
  if (!month || !window) return false;
  return Pro2Reading::evaluate(*window, *month, params(), reading);
}

void Pro2Controller::resetCaptions() { NeutralCaptions::pro2(captions_, context_.units); }

}  // namespace parlhora
