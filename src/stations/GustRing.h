#pragma once

#include <array>

namespace parlhora {

/// The last ten good wind readings; the gust is the largest of them. Kept
/// in the station's mph, so a change of units between readings does not
/// mix km/h and mph in one ring.
class GustRing {
 public:
  static constexpr int kSize = 10;
  static constexpr double kEmpty = -10;

  /// Stores `mph` at the next slot (the write position cycles 1..10).
  void add(double mph);
  /// The largest slot, 0 while that is negative (nothing stored yet).
  double gustMph() const;
  void clear();

 private:
  std::array<double, kSize> slots_{kEmpty, kEmpty, kEmpty, kEmpty, kEmpty,
                                   kEmpty, kEmpty, kEmpty, kEmpty, kEmpty};
  int position_ = kSize;  // the first add wraps to slot 1
};

}  // namespace parlhora
