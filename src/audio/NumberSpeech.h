#pragma once

#include <QString>
#include <QStringList>

namespace parlhora {

/// Piece names for the numbers of the weather readings, one rule per kind of
/// quantity. Integer rules take values already rounded (roundHalfEven).
/// Pure; any thread.
class NumberSpeech {
 public:
  /// Nearest integer, halves to the even neighbour (2.5 -> 2, -3.5 -> -4).
  static int roundHalfEven(double value);
  /// "son" + the decimal digits of |value| ("son0", "son42", "son100").
  static QString number(int value);

  /// Inside/outside temperature: optional "son_minus", 100 as "son100",
  /// 101.. as "son100_and" + remainder, then "son_degrees".
  static QStringList temperature(int t);
  /// Felt temperature: as the temperature (|t| of 100 and more included).
  static QStringList feltTemperature(int t);
  /// Wind or gust: 0 is "son_null" without a unit; the unit is "son_mph"
  /// when `windFactor` is not exactly 1, else "son_kmh".
  static QStringList speed(int v, double windFactor);
  /// Rain in millimetres: 0 is "son_null" without a unit, else as speed,
  /// then "son_millimeters".
  static QStringList rainMillimetres(int r);
  /// Humidity in percent: 0 is "son_null" without a unit.
  static QStringList humidity(int u);
  /// Pressure in hectopascal; `upperBound` is the pressure window's top
  /// (1050 with the default bounds, scaled by the pressure factor).
  static QStringList hectopascal(int p, double upperBound = 1050.0);
  /// Pressure in inches of mercury: integer part, "son_point" and two
  /// digits when there is a fraction of at least 0.01, "son_inhg".
  static QStringList inchesOfMercury(double x);
  /// Rain in inches: below 0.01 "son_null" alone, else as inchesOfMercury
  /// with "son_inch".
  static QStringList rainInches(double x);

 private:
  static QStringList decimal(double x, const QString& unit);
  static void hundreds(QStringList& pieces, int v);
};

}  // namespace parlhora
