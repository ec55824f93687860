#pragma once

#include "weather/Captions.h"
#include "weather/UnitFactors.h"
#include "weather/WeatherSnapshot.h"

namespace parlhora {

/// What one refresh of a station file produces. Its snapshot starts absent,
/// so a reading the refresh does not take is never the last one, and it is
/// committed whole or not at all.
struct StationReading {
  WeatherSnapshot snapshot;
  Captions captions;
  double dataTime = 0;  // days since 1899-12-30 of the newest record
};

/// The window settings a refresh works with.
struct StationParams {
  const UnitFactors& units;
  int pressureTrim = 0;          // SpinEditOffSetPression, steps of UnitPOffsetFactor
  double tendThreshold = 0.4;    // TendThreshold, hPa per hour
  bool absolutePressure = true;  // WS-28xx: RadioButtonPABS
};

}  // namespace parlhora
