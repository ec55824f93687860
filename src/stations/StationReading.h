#pragma once

#include "weather/Captions.h"
#include "weather/UnitFactors.h"
#include "weather/WeatherSnapshot.h"

namespace parlhora {

/// What one refresh of a station file produces. It starts as a copy of the
/// source's current state, so a reading the refresh does not reach keeps
/// its value, and it is committed whole or not at all.
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
