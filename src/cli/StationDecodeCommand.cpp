#include "cli/StationDecodeCommand.h"

#include <QFileInfo>
#include <memory>

#include "platform/Notifier.h"
#include "platform/VirtualClock.h"
#include "stations/Pro2Controller.h"
#include "stations/Pro2FileName.h"
#include "stations/StationFile.h"
#include "stations/StationTime.h"
#include "stations/W23Controller.h"
#include "stations/W28Controller.h"
#include "weather/UnitFactors.h"

namespace parlhora {

namespace {

// The beep has nowhere to go; Status= says what went wrong.
class QuietNotifier final : public Notifier {
 public:
  void beep() override {}
  void errorBox(const QString&) override {}
};

QString plain(double value) {
  QString text = QString::number(value, 'f', 4);
  while (text.endsWith(QLatin1Char('0'))) text.chop(1);
  if (text.endsWith(QLatin1Char('.'))) text.chop(1);
  return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

std::unique_ptr<HistoryFileController> controllerFor(const QString& kind, SourceContext& context,
                                                     HistoryFileSettings& settings) {
  if (kind == QLatin1String("ws23")) return std::make_unique<W23Controller>(context, settings);
  if (kind == QLatin1String("ws28")) return std::make_unique<W28Controller>(context, settings);
  return std::make_unique<Pro2Controller>(context, settings);
}

void print(const SourceController& source, QTextStream& out) {
  const WeatherSnapshot& s = source.snapshot();
  const std::pair<const char*, double> readings[] = {{"TempInt", s.TempInt},
                                                     {"TempExt", s.TempExt},
                                                     {"PresAtm", s.PresAtm},
                                                     {"PreTend", s.PreTend},
                                                     {"VitVent", s.VitVent},
                                                     {"VitRafa", s.VitRafa},
                                                     {"DirVent", s.DirVent},
                                                     {"HumInt", s.HumInt},
                                                     {"HumiExt", s.HumiExt},
                                                     {"Pluie", s.Pluie},
                                                     {"TRes", s.TRes},
                                                     {"TRos", s.TRos},
                                                     {"RecordInterval", s.RecordInterval * 1440}};
  for (const auto& [name, value] : readings) out << name << '=' << plain(value) << '\n';
  out << "DataTime=" << StationTime::isoText(source.companions().DataTime) << '\n';
  for (const Captions::Caption& c : source.captions().all()) out << c.name << '=' << c.text << '\n';
  const QString error = source.errorText();
  out << "Status=" << (error.isEmpty() ? QStringLiteral("0") : error) << '\n';
}

}  // namespace

bool isStationFileKind(const QString& kind) {
  return kind == QLatin1String("ws23") || kind == QLatin1String("ws28") || kind == QLatin1String("wlk");
}

int runDecodeStationFile(const QString& kind, const QString& file, const UnitsSettings& units,
                         const HistoryFileSettings& source, const QDateTime& now, QTextStream& out,
                         QTextStream& err) {
  if (!isStationFileKind(kind)) {
    err << "decode: unknown kind " << kind << " (ws23, ws28 or wlk)\n";
    return 2;
  }
  QString path = file;
  if (kind == QLatin1String("wlk") && QFileInfo(file).isDir())
    path = Pro2FileName::monthFile(file, now.date());
  if (StationFile::missing(path)) {
    err << "decode: " << path << ": no such file\n";
    return 1;
  }
  VirtualClock clock(now);
  QuietNotifier notifier;
  const UnitFactors factors = UnitFactors::from(units);
  SourceContext context{clock, notifier, factors, {}, {}};
  HistoryFileSettings settings = source;
  settings.file = QFile::encodeName(path);
  settings.errorText.clear();
  const auto controller = controllerFor(kind, context, settings);
  controller->applySettings();
  controller->refresh();
  controller->stop();
  print(*controller, out);
  out.flush();
  return controller->errorText().isEmpty() ? 0 : 1;
}

}  // namespace parlhora
