#include "stations/GustRing.h"

#include <algorithm>

namespace parlhora {

void GustRing::add(double mph) {
  position_ = position_ % kSize + 1;
  slots_[position_ - 1] = mph;
}

double GustRing::gustMph() const {
  const double largest = *std::max_element(slots_.begin(), slots_.end());
  return largest < 0 ? 0 : largest;
}

void GustRing::clear() {
  slots_.fill(kEmpty);
  position_ = kSize;
}

}  // namespace parlhora
