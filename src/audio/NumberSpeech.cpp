#include "audio/NumberSpeech.h"

#include <cmath>
#include <cstdlib>

#include "weather/HalfEven.h"

namespace parlhora {

int NumberSpeech::roundHalfEven(double value) { return HalfEven::round(value); }

QString NumberSpeech::number(int value) {
  const long long magnitude = std::llabs(static_cast<long long>(value));
  return QStringLiteral("son") + QString::number(magnitude);
}

void NumberSpeech::hundreds(QStringList& pieces, int v) {
  if (v == 100) {
    pieces << QStringLiteral("son100");
    return;
  }
  if (v > 99) {
    pieces << QStringLiteral("son100_and");
    v -= 100;
  }
  if (v > 0) pieces << number(v);
}

QStringList NumberSpeech::temperature(int t) {
  QStringList pieces;
  if (t < 0) pieces << QStringLiteral("son_minus");
  const long long magnitude = std::llabs(static_cast<long long>(t));
  if (magnitude == 100) {
    pieces << QStringLiteral("son100");
  } else if (magnitude > 99) {
    pieces << QStringLiteral("son100_and") << QStringLiteral("son") + QString::number(magnitude - 100);
  } else {
    pieces << number(t);
  }
  pieces << QStringLiteral("son_degrees");
  return pieces;
}

// The Fahrenheit window of the felt temperature reaches -103 ... 140, past
// the last plain number piece: it is spoken as a temperature.
QStringList NumberSpeech::feltTemperature(int t) { return temperature(t); }

QStringList NumberSpeech::speed(int v, double windFactor) {
  if (v == 0) return {QStringLiteral("son_null")};
  QStringList pieces;
  hundreds(pieces, v);
  pieces << (windFactor != 1.0 ? QStringLiteral("son_mph") : QStringLiteral("son_kmh"));
  return pieces;
}

QStringList NumberSpeech::rainMillimetres(int r) {
  if (r == 0) return {QStringLiteral("son_null")};
  QStringList pieces;
  hundreds(pieces, r);
  pieces << QStringLiteral("son_millimeters");
  return pieces;
}

QStringList NumberSpeech::humidity(int u) {
  if (u == 0) return {QStringLiteral("son_null")};
  return {number(u), QStringLiteral("son_percent")};
}

QStringList NumberSpeech::hectopascal(int p, double upperBound) {
  QStringList pieces;
  int rest = 0;
  if (p == 1000) {
    pieces << QStringLiteral("son1000");
  } else if (p > 1000 && p <= upperBound) {
    pieces << QStringLiteral("son1000");
    rest = p - 1000;
  } else {
    pieces << QStringLiteral("son900");
    rest = p - 900;
  }
  if (rest >= 1 && rest <= 99) pieces << number(rest);
  pieces << QStringLiteral("son_millibars");
  return pieces;
}

QStringList NumberSpeech::inchesOfMercury(double x) { return decimal(x, QStringLiteral("son_inhg")); }

QStringList NumberSpeech::rainInches(double x) {
  if (!(x >= 0.01)) return {QStringLiteral("son_null")};
  return decimal(x, QStringLiteral("son_inch"));
}

QStringList NumberSpeech::decimal(double x, const QString& unit) {
  if (!std::isfinite(x) || std::fabs(x) >= 1e9) return {unit};
  const double whole = std::trunc(x);
  QString integerPart = QString::number(static_cast<long long>(std::fabs(whole)));
  QStringList pieces;
  if (std::fabs(x - whole) >= 0.01) {
    // Two decimals, the separator being whatever precedes them.
    const QString fixed = QString::number(std::fabs(x), 'f', 2);
    const QString digits = fixed.right(2);
    const QString carried = fixed.left(fixed.size() - 3);
    if (digits == QLatin1String("00")) {
      // 29.997 rounds up to 30.00: say "30", not "29 point 0 0".
      integerPart = carried;
    } else {
      pieces << QStringLiteral("son") + integerPart << QStringLiteral("son_point")
             << QStringLiteral("son") + digits.at(0) << QStringLiteral("son") + digits.at(1);
      pieces << unit;
      return pieces;
    }
  }
  pieces << QStringLiteral("son") + integerPart << unit;
  return pieces;
}

}  // namespace parlhora
