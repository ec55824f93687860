#include "internet/AprsDecodeCommand.h"

#include "app/AnnouncerSettings.h"
#include "internet/AprsSource.h"
#include "platform/LogNotifier.h"
#include "platform/VirtualClock.h"
#include "weather/UnitFactors.h"

namespace parlhora {

namespace {

// C locale, no exponent, no trailing zeros.
QString plain(double v) {
  QString s = QString::number(v, 'f', 6);
  while (s.endsWith(u'0')) s.chop(1);
  if (s.endsWith(u'.')) s.chop(1);
  return s == QLatin1String("-0") ? QStringLiteral("0") : s;
}

}  // namespace

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
  out << "TempExt=" << plain(s.TempExt) << '\n'
      << "TRos=" << plain(s.TRos) << '\n'
      << "TRes=" << plain(s.TRes) << '\n'
      << "PresAtm=" << plain(s.PresAtm) << '\n'
      << "VitVent=" << plain(s.VitVent) << '\n'
      << "VitRafa=" << plain(s.VitRafa) << '\n'
      << "DirVent=" << s.DirVent << '\n'
      << "HumiExt=" << int{static_cast<std::uint8_t>(s.HumiExt)} << '\n'
      << "Pluie=" << plain(s.Pluie) << '\n';
  for (const char* name : {"Editdatemeteo", "CheckBoxText", "CheckBoxPatm", "CheckBoxVent", "CheckBoxRafa",
                           "CheckBoxDire", "CheckBoxTRes", "CheckBoxPluie", "CheckBoxHumiExt", "LabelTros"})
    out << name << '=' << source.captions().text(name) << '\n';
  out << "Status=" << status << Qt::endl;
  if (status != 0) err << "aprs: Dateifehler #" << status << Qt::endl;
  source.close();
  return status == 0 ? 0 : 1;
}

}  // namespace parlhora
