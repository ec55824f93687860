#pragma once

#include <cmath>

#include "weather/UnitFactors.h"

namespace parlhora {

/// The plausibility windows of the readings, held in °C, hPa and km/h and
/// scaled into the user's units at every check. Both bounds inclusive; NaN
/// is never good.
struct ValidityLimits {
  static constexpr double kTempLow = -50, kTempHigh = 60;
  static constexpr double kFeltLow = -75, kFeltHigh = 60;
  static constexpr double kPresLow = 930, kPresHigh = 1050;
  static constexpr double kWindLow = 0, kWindHigh = 199;
  static constexpr double kGustLow = 5, kGustHigh = 199;

  static bool within(double value, double low, double high) { return low <= value && value <= high; }

  static bool temperature(double t, const UnitFactors& u) {
    return within(t, u.temperature(kTempLow), u.temperature(kTempHigh));
  }
  static bool felt(double t, const UnitFactors& u) {
    return within(t, u.temperature(kFeltLow), u.temperature(kFeltHigh));
  }
  static bool pressure(double p, const UnitFactors& u) {
    return within(p, u.pressure(kPresLow), u.pressure(kPresHigh));
  }
  static bool wind(double v, const UnitFactors& u) { return within(v, u.wind(kWindLow), u.wind(kWindHigh)); }
  static bool gust(double v, const UnitFactors& u) { return within(v, u.wind(kGustLow), u.wind(kGustHigh)); }
  static bool humidity(double h) { return within(h, 0, 100); }
};

}  // namespace parlhora
