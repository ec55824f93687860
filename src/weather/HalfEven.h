#pragma once

#include <cmath>
#include <limits>

namespace parlhora {

/// Rounding to the nearest integer with halves to the even neighbour
/// (22.5 -> 22, 112.5 -> 112, 50.5 -> 50, -3.5 -> -4): the one rule for
/// every reading, count and position the program rounds. It does not depend
/// on the floating-point environment. Pure; any thread.
struct HalfEven {
  /// Saturates at the int range; NaN gives 0.
  static int round(double value) {
    if (std::isnan(value)) return 0;
    constexpr double lo = std::numeric_limits<int>::min();
    constexpr double hi = std::numeric_limits<int>::max();
    if (value <= lo) return std::numeric_limits<int>::min();
    if (value >= hi) return std::numeric_limits<int>::max();
    return static_cast<int>(nearest(value));
  }

  /// The rounded value as a double (NaN and infinities pass through).
  static double nearest(double value) {
    if (!std::isfinite(value)) return value;
    const double lower = std::floor(value);
    const double fraction = value - lower;  // exact for every double
    if (fraction > 0.5) return lower + 1;
    if (fraction < 0.5) return lower;
    return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
  }
};

}  // namespace parlhora
