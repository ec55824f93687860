#include "cli/NetDecodeCommand.h"

#include <QFile>

#include "app/AnnouncerSettings.h"
#include "stations/StationTime.h"
#include "stations/net/HttpRequestReader.h"
#include "stations/net/NetReading.h"
#include "stations/net/UploadParser.h"
#include "weather/PlainNumber.h"
#include "weather/UnitFactors.h"

namespace parlhora {

namespace {

// A whole address or request line may be pasted: the form starts after '?'.
QByteArray formOf(QByteArray text) {
  text = text.trimmed();
  const qsizetype q = text.indexOf('?');
  return q >= 0 ? text.mid(q + 1) : text;
}

int byte(std::int8_t v) { return int{static_cast<std::uint8_t>(v)}; }

}  // namespace

int runDecodeNet(const QString& file, const AnnouncerSettings& settings, const QDateTime& now,
                 QTextStream& out, QTextStream& err) {
  QFile in(file);
  if (!in.open(QIODevice::ReadOnly)) {
    err << "decode: " << file << ": no such file" << Qt::endl;
    return 1;
  }
  const QByteArray text = in.read(HttpRequestReader::kMaxBytes + 1);
  if (text.size() > HttpRequestReader::kMaxBytes) {
    err << "decode: " << file << ": larger than 16 KiB, as the receiver refuses it" << Qt::endl;
    return 1;
  }
  NetUpload upload = UploadParser::parse(formOf(text));
  QString status = QStringLiteral("0");
  if (!settings.net.key.isEmpty() && upload.key != settings.net.key) {
    status = QStringLiteral("falscher Schlüssel");
    upload = NetUpload{};
  } else if (upload.readings() == 0) {
    status = QStringLiteral("keine Messwerte");
  }

  const UnitFactors units = UnitFactors::from(settings.units);
  StationParams params{units};
  params.pressureTrim = settings.net.pressureOffset;
  params.tendThreshold = settings.net.trendThreshold * 0.1;
  StationReading reading;
  NetReading::evaluate(upload, StationTime::fromDateTime(now), UploadHistory{}, params, reading);

  const WeatherSnapshot& s = reading.snapshot;
  out << "TempExt=" << plainNumber(s.TempExt) << '\n'
      << "TempInt=" << plainNumber(s.TempInt) << '\n'
      << "PresAtm=" << plainNumber(s.PresAtm) << '\n'
      << "VitVent=" << plainNumber(s.VitVent) << '\n'
      << "VitRafa=" << plainNumber(s.VitRafa) << '\n'
      << "DirVent=" << s.DirVent << '\n'
      << "HumiExt=" << byte(s.HumiExt) << '\n'
      << "HumInt=" << byte(s.HumInt) << '\n'
      << "TRes=" << plainNumber(s.TRes) << '\n'
      << "TRos=" << plainNumber(s.TRos) << '\n'
      << "PreTend=" << int{s.PreTend} << '\n'
      << "Pluie=" << plainNumber(s.Pluie) << '\n'
      << "DataTime=" << StationTime::isoText(reading.dataTime) << '\n';
  for (const Captions::Caption& c : reading.captions.all()) out << c.name << '=' << c.text << '\n';
  out << "Status=" << status << Qt::endl;
  return status == QLatin1String("0") ? 0 : 1;
}

}  // namespace parlhora
