#include "internet/AprsWeather.h"

namespace parlhora {

namespace {

// Exactly `width` characters: digits, or for a `signedValue` (temperatures
// below zero) a minus and digits.
int number(QStringView text, qsizetype width, bool signedValue = false) {
  if (text.size() < width || width < 1) return AprsWeather::kMissing;
  text = text.left(width);
  const bool negative = signedValue && text[0] == u'-';
  if (negative && width == 1) return AprsWeather::kMissing;
  int value = 0;
  for (qsizetype i = negative ? 1 : 0; i < width; ++i) {
    const QChar c = text[i];
    if (c < u'0' || c > u'9') return AprsWeather::kMissing;
    value = value * 10 + (c.unicode() - u'0');
  }
  return negative ? -value : value;
}

// The number after the first `letter`.
int field(QStringView rest, char16_t letter, int width, bool signedValue = false) {
  const qsizetype at = rest.indexOf(letter);
  return at < 0 ? AprsWeather::kMissing : number(rest.mid(at + 1), width, signedValue);
}

}  // namespace

AprsWeather AprsWeather::parse(const QString& line) {
  AprsWeather w;
  // A UI-View WXNOW line has no marker: the whole line is the report.
  const qsizetype marker = line.indexOf(u'_');
  QStringView rest = QStringView(line).mid(marker + 1);
  const qsizetype dot = rest.indexOf(u'.');
  if (dot >= 0) rest = rest.left(dot);
  w.direction = field(rest, u'c', 3);
  w.speed = field(rest, u's', 3);
  w.gust = field(rest, u'g', 3);
  w.temperature = field(rest, u't', 3, true);
  w.rain24h = field(rest, u'p', 3);
  w.humidity = field(rest, u'h', 2);
  // The station sends "00" for a saturated 100 %.
  if (w.humidity == 0) w.humidity = 100;
  w.pressure = field(rest, u'b', 5);
  if (w.direction == kMissing && w.speed == kMissing) {
    // A position report carries its wind as "ddd/sss" after the symbol.
    const qsizetype slash = rest.indexOf(u'/');
    if (slash >= 3) {
      w.direction = number(rest.mid(slash - 3), 3);
      w.speed = number(rest.mid(slash + 1), 3);
      if (w.direction == kMissing || w.speed == kMissing) w.direction = w.speed = kMissing;
    }
  }
  return w;
}

}  // namespace parlhora
