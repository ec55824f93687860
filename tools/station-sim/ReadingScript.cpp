#include "ReadingScript.h"

#include <cmath>

#include "stations/StationProtocol.h"

namespace parlhora::sim {
namespace {

bool number(const QByteArray& text, double lo, double hi, double& out) {
  bool ok = false;
  out = text.toDouble(&ok);
  return ok && std::isfinite(out) && out >= lo && out <= hi;
}

// One key=value into `s`; empty on success, else what is wrong.
QString apply(StationState& s, const QByteArray& key, const QByteArray& value) {
  const bool missing = value == "-";
  double v = 0;
  const auto need = [&](double lo, double hi) { return missing || number(value, lo, hi, v); };
  if (key == "tin" || key == "tout") {
    if (!need(-300, 300)) return QStringLiteral("temperature out of range");
    auto& field = key == "tin" ? s.image.insideTemp : s.image.outsideTemp;
    field = missing ? station::kNoTemperature : static_cast<std::int16_t>(std::lround(v * 10));
  } else if (key == "baro") {
    if (!need(0.001, 32.0)) return QStringLiteral("barometer out of range");
    s.image.barometer = missing ? station::kNoBarometer : static_cast<std::uint16_t>(std::lround(v * 1000));
  } else if (key == "wind") {
    if (!need(0, 254)) return QStringLiteral("wind speed out of range");
    s.image.windSpeed = missing ? station::kNoWindSpeed : static_cast<std::uint8_t>(std::lround(v));
  } else if (key == "dir") {
    if (!need(0, 360)) return QStringLiteral("direction out of range");
    s.image.windDirection = missing ? station::kNoDirection : static_cast<std::uint16_t>(std::lround(v));
  } else if (key == "hin" || key == "hout") {
    if (!need(0, 100)) return QStringLiteral("humidity out of range");
    auto& field = key == "hin" ? s.image.insideHumidity : s.image.outsideHumidity;
    field = missing ? station::kNoHumidity : static_cast<std::uint8_t>(std::lround(v));
  } else if (key == "rain") {
    if (!need(0, 65535)) return QStringLiteral("rain out of range");
    s.image.rain = static_cast<std::uint16_t>(std::lround(v));
  } else if (key == "trend") {
    const QList<QByteArray> words{"steady", "rising", "falling"};
    const int word = static_cast<int>(words.indexOf(value));
    if (word >= 0)
      s.trend = word;
    else if (missing)
      s.trend = 0xFF;
    else
      return QStringLiteral("trend is steady, rising or falling");
  } else if (key == "cal_tin" || key == "cal_tout") {
    if (missing || !number(value, -100, 100, v)) return QStringLiteral("calibration out of range");
    (key == "cal_tin" ? s.calInside : s.calOutside) = static_cast<int>(std::lround(v * 10));
  } else if (key == "cal_baro") {
    if (missing || !number(value, -5, 5, v)) return QStringLiteral("calibration out of range");
    s.calBarometer = static_cast<int>(std::lround(v * 1000));
  } else {
    return QStringLiteral("unknown key ") + QString::fromLatin1(key);
  }
  return {};
}

}  // namespace

ReadingScript ReadingScript::parse(const QByteArray& text) {
  ReadingScript script;
  StationState state;
  double last = -1;
  const QList<QByteArray> lines = text.split('\n');
  for (qsizetype n = 0; n < lines.size(); ++n) {
    QByteArray line = lines[n];
    const qsizetype hash = line.indexOf('#');
    if (hash >= 0) line.truncate(hash);
    const QList<QByteArray> words = line.simplified().split(' ');
    if (words.isEmpty() || words[0].isEmpty()) continue;
    const auto fault = [&](const QString& what) {
      ReadingScript bad;
      bad.error_ = QStringLiteral("line %1: %2").arg(n + 1).arg(what);
      return bad;
    };
    double seconds = 0;
    if (!number(words[0], 0, 1e9, seconds)) return fault(QStringLiteral("time in seconds expected"));
    if (seconds < last) return fault(QStringLiteral("times must not go back"));
    last = seconds;
    for (qsizetype i = 1; i < words.size(); ++i) {
      const qsizetype eq = words[i].indexOf('=');
      if (eq <= 0) return fault(QStringLiteral("key=value expected"));
      const QString wrong = apply(state, words[i].left(eq), words[i].mid(eq + 1));
      if (!wrong.isEmpty()) return fault(wrong);
    }
    script.steps_.append({seconds, state});
  }
  return script;
}

StationState ReadingScript::at(double seconds) const {
  if (steps_.isEmpty()) return {};
  StationState state = steps_.first().second;
  for (const auto& [time, s] : steps_) {
    if (time > seconds) break;
    state = s;
  }
  return state;
}

}  // namespace parlhora::sim
