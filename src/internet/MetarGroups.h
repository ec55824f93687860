#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

namespace parlhora {

/// The weather groups of one METAR report as whole numbers straight from the
/// text, before any unit is applied. Every value starts at kMissing.
struct MetarGroups {
  static constexpr int kMissing = -100;
  static constexpr int kVariable = 999;  // direction "VRB"
  static constexpr int kMaxWords = 50;

  QStringList words;           // at most kMaxWords, cut at single spaces
  bool timeWordFound = false;  // a 7-character "ddhhmmZ" word converted
  int day = kMissing, hour = kMissing, minute = kMissing;
  int direction = kMissing;  // degrees, kVariable, or missing
  int speed = kMissing;      // in the report's unit
  int gust = kMissing;
  double speedFactor = 0;      // km/h per report unit; 0 = no wind group
  int temperature = kMissing;  // whole °C
  int dewPoint = kMissing;
  int pressureGroup = kMissing;  // the four digits of the Q or A group
  double pressureFactor = 0;     // hPa per group unit; 0 = no pressure group
  std::uint8_t flags = 0;        // WeatherFlag bits

  /// Cuts one report line into words and decodes its groups. Never fails:
  /// whatever does not convert stays missing.
  static MetarGroups parse(const QString& line);

  bool pressureIsInches() const { return pressureFactor != 0 && pressureFactor != 1; }
};

}  // namespace parlhora
