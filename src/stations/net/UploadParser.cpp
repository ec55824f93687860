#include "stations/net/UploadParser.h"

#include <QSet>
#include <QTimeZone>
#include <cmath>

namespace parlhora {

namespace {

constexpr double kInHgToHpa = 33.8639;
constexpr double kMphToKmh = 1.609344;
constexpr double kInchToMm = 25.4;

enum class Field { TempOut, TempIn, HumOut, HumIn, Pressure, Wind, Gust, Direction, Rain, Date, Key };

struct Rule {
  const char* name;
  Field field;
  double lo, hi;     // what a station can measure, in the upload's unit
  int rainRank = 0;  // the longer the counter runs, the higher
};

// Both protocols' names; a name not listed here is passed over.
constexpr Rule kRules[] = {
    {"tempf", Field::TempOut, -140, 160},
    {"tempinf", Field::TempIn, -140, 160},
    {"indoortempf", Field::TempIn, -140, 160},
    {"humidity", Field::HumOut, 0, 100},
    {"humidityin", Field::HumIn, 0, 100},
    {"indoorhumidity", Field::HumIn, 0, 100},
    {"baromrelin", Field::Pressure, 15, 35},
    {"baromin", Field::Pressure, 15, 35},
    {"windspeedmph", Field::Wind, 0, 300},
    {"windgustmph", Field::Gust, 0, 300},
    {"winddir", Field::Direction, 0, 360},
    {"dailyrainin", Field::Rain, 0, 10000, 1},
    {"weeklyrainin", Field::Rain, 0, 10000, 2},
    {"monthlyrainin", Field::Rain, 0, 10000, 3},
    {"yearlyrainin", Field::Rain, 0, 10000, 4},
    {"totalrainin", Field::Rain, 0, 10000, 5},
    {"dateutc", Field::Date, 0, 0},
    {"passkey", Field::Key, 0, 0},
    {"id", Field::Key, 0, 0},
};

const Rule* ruleFor(const QByteArray& name) {
  for (const Rule& r : kRules)
    if (name == r.name) return &r;
  return nullptr;
}

std::optional<double> number(const QByteArray& text, double lo, double hi) {
  if (text.isEmpty() || text.size() > 24) return std::nullopt;
  for (char c : text)
    if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E'))
      return std::nullopt;
  bool ok = false;
  const double v = text.toDouble(&ok);
  if (!ok || !std::isfinite(v) || v < lo || v > hi) return std::nullopt;
  return v;
}

// "2024-05-01 12:00:00" in UTC; "now", nothing or junk is no time.
QDateTime utcTime(const QByteArray& text) {
  QDateTime t =
      QDateTime::fromString(QString::fromLatin1(text.trimmed()), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
  if (!t.isValid()) return {};
  t.setTimeSpec(Qt::UTC);
  return t.toLocalTime();
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

QByteArray UploadParser::percentDecoded(const QByteArray& text) {
  QByteArray out;
  out.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '+') {
      out += ' ';
    } else if (c == '%' && i + 2 < text.size() && hexDigit(text[i + 1]) >= 0 && hexDigit(text[i + 2]) >= 0) {
      out += char(hexDigit(text[i + 1]) * 16 + hexDigit(text[i + 2]));
      i += 2;
    } else {
      out += c;
    }
  }
  return out;
}

NetUpload UploadParser::parse(const QByteArray& form) {
  NetUpload u;
  QSet<QByteArray> seen;
  for (const QByteArray& pair : form.split('&')) {
    const qsizetype eq = pair.indexOf('=');
    if (eq <= 0) continue;
    const QByteArray name = percentDecoded(pair.left(eq)).trimmed().toLower();
    const Rule* rule = ruleFor(name);
    if (!rule || seen.contains(name)) continue;
    seen.insert(name);
    const QByteArray value = percentDecoded(pair.mid(eq + 1)).trimmed();
    const auto n = number(value, rule->lo, rule->hi);
    switch (rule->field) {
      case Field::TempOut:
        if (n) u.tempOut = (*n - 32) / 1.8;
        break;
      case Field::TempIn:
        if (n && !u.tempIn) u.tempIn = (*n - 32) / 1.8;
        break;
      case Field::HumOut:
        if (n) u.humidityOut = *n;
        break;
      case Field::HumIn:
        if (n && !u.humidityIn) u.humidityIn = *n;
        break;
      case Field::Pressure:
        if (n && !u.pressure) u.pressure = *n * kInHgToHpa;
        break;
      case Field::Wind:
        if (n) u.wind = *n * kMphToKmh;
        break;
      case Field::Gust:
        if (n) u.gust = *n * kMphToKmh;
        break;
      case Field::Direction:
        if (n) u.direction = int(std::lround(*n)) % 360;
        break;
      case Field::Rain:
        if (n && rule->rainRank > u.rainCounter) {
          u.rainTotal = *n * kInchToMm;
          u.rainCounter = rule->rainRank;
        }
        break;
      case Field::Date:
        u.dataTime = utcTime(value);
        break;
      case Field::Key:
        if (u.key.isEmpty()) u.key = value.left(128);
        break;
    }
  }
  return u;
}

}  // namespace parlhora
