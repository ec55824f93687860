#pragma once

#include <QString>
#include <cstdint>
#include <limits>
#include <optional>

#include "stations/StationReading.h"

namespace parlhora {

/// Writes readings given in base units (°C, hPa, km/h, mm) into a
/// StationReading: the snapshot field in the user's units, and the caption
/// of its control, red when the value lies outside its limits. Shared by the
/// three station files, whose windows show the same captions.
class ReadingWriter {
 public:
  ReadingWriter(StationReading& reading, const UnitFactors& units) : r_(reading), u_(units) {}

  /// Label6 and Label9: the units of the pressure trim and the threshold.
  static void pressureLabels(Captions& captions, const UnitFactors& units);

  void dataTime(double days);
  /// Each returns whether the value is good (black caption).
  bool tempInt(double celsius);
  bool tempExt(double celsius);
  bool pressure(double hPa, int trimSteps);
  /// The tendency from the pressure change over the last hour in the user's
  /// unit (none = steady); `risingText` differs between stations.
  void tendency(std::optional<double> change, double thresholdHpa, const QString& risingText);
  /// No tendency taken (the pressure is red): absent, "Trend : --".
  void tendencyMissing();
  bool wind(double kmh);
  /// The gust caption; VitRafa already holds the value.
  void gustCaption(bool red);
  void direction(std::int32_t degrees);
  void directionMissing();
  /// Humidities as read: the range and the caption take that value, the
  /// snapshot its rounding, or absent when it lies outside 0..100.
  void humidityIn(double percent);
  void humidityOut(double percent);
  /// Rain of 24 hours in mm; a negative or NaN total is missing ("--", -1).
  void rain(double mm);
  /// Wind chill from TempExt and VitVent, or missing ("--", -200).
  void felt(bool missing);
  /// Dew point from TempExt and the outside humidity read, or missing
  /// ("--", -200).
  void dewPoint(bool missing);

  WeatherSnapshot& snapshot() { return r_.snapshot; }

 private:
  QString tempUnit() const { return QStringLiteral("(°") + u_.UnitTempText + QStringLiteral(") = "); }

  StationReading& r_;
  const UnitFactors& u_;
  double humidityOutRead_ = std::numeric_limits<double>::quiet_NaN();
};

}  // namespace parlhora
