#include "cli/MetarDecodeCommand.h"

#include "app/AnnouncerSettings.h"
#include "internet/MetarSource.h"
#include "platform/LogNotifier.h"
#include "platform/VirtualClock.h"
#include "weather/PlainNumber.h"
#include "weather/UnitFactors.h"

namespace parlhora {

int runDecodeMetar(const QString& file, AnnouncerSettings& settings, const QString& programFolder,
                   const QString& weatherFolder, QTextStream& out, QTextStream& err) {
  // The report's month is judged against now; nothing here waits on a timer.
  VirtualClock clock(QDateTime::currentDateTime());
  LogNotifier notifier([&err](const QString& line) { err << line << Qt::endl; });
  const UnitFactors units = UnitFactors::from(settings.units);
  SourceContext context{clock, notifier, units, programFolder, weatherFolder};
  MetarSource source(context, settings.metar);
  source.applySettings();
  const int status = source.refreshFromFile(file);

  const WeatherSnapshot& s = source.snapshot();
  out << "TempExt=" << plainNumber(s.TempExt) << '\n'
      << "TRos=" << plainNumber(s.TRos) << '\n'
      << "TRes=" << plainNumber(s.TRes) << '\n'
      << "PresAtm=" << plainNumber(s.PresAtm) << '\n'
      << "VitVent=" << plainNumber(s.VitVent) << '\n'
      << "VitRafa=" << plainNumber(s.VitRafa) << '\n'
      << "DirVent=" << s.DirVent << '\n'
      << "HumiExt=" << int{static_cast<std::uint8_t>(s.HumiExt)} << '\n'
      << "WeatherFlags=" << int{s.WeatherFlags} << '\n';
  for (const char* name :
       {"LabelICAO", "Editdatemeteo", "CheckBoxText", "CheckBoxPatm", "CheckBoxVent", "CheckBoxRafa",
        "CheckBoxDire", "CheckBoxTRes", "CheckBoxPluie", "CheckBoxHumiExt", "LabelTros"})
    out << name << '=' << source.captions().text(name) << '\n';
  out << "Status=" << status << Qt::endl;
  if (status != 0) err << "metar: Dateifehler #" << status << Qt::endl;
  source.close();
  return status == 0 ? 0 : 1;
}

}  // namespace parlhora
