#include "cli/AprsDecodeCommand.h"

#include "app/AnnouncerSettings.h"
#include "internet/AprsSource.h"
#include "platform/LogNotifier.h"
#include "platform/VirtualClock.h"
#include "weather/PlainNumber.h"
#include "weather/UnitFactors.h"

namespace parlhora {

int runDecodeAprs(const QString& file, AnnouncerSettings& settings, const QString& programFolder,
                  const QString& weatherFolder, QTextStream& out, QTextStream& err) {
  VirtualClock clock(QDateTime::currentDateTime());
  LogNotifier notifier([&err](const QString& line) { err << line << Qt::endl; });
  const UnitFactors units = UnitFactors::from(settings.units);
  SourceContext context{clock, notifier, units, programFolder, weatherFolder};
  AprsSource source(context, settings.aprs);
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
      << "Pluie=" << plainNumber(s.Pluie) << '\n';
  for (const char* name : {"Editdatemeteo", "CheckBoxText", "CheckBoxPatm", "CheckBoxVent", "CheckBoxRafa",
                           "CheckBoxDire", "CheckBoxTRes", "CheckBoxPluie", "CheckBoxHumiExt", "LabelTros"})
    out << name << '=' << source.captions().text(name) << '\n';
  out << "Status=" << status << Qt::endl;
  if (status != 0) err << "aprs: Dateifehler #" << status << Qt::endl;
  source.close();
  return status == 0 ? 0 : 1;
}

}  // namespace parlhora
