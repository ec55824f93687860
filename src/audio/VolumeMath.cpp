#include "audio/VolumeMath.h"

#include <algorithm>
#include <cmath>

namespace parlhora {

std::int64_t VolumeMath::roundHalfEven(double value) {
  const double lower = std::floor(value);
  const double diff = value - lower;
  std::int64_t result = static_cast<std::int64_t>(lower);
  if (diff > 0.5 || (diff == 0.5 && (result % 2) != 0)) ++result;
  return result;
}

int VolumeMath::level(int position) {
  position = std::clamp(position, 0, 10);
  return static_cast<int>(roundHalfEven((10 - position) * 65535.0 / 10.0));
}

std::uint32_t VolumeMath::deviceVolume(int position, int balance) {
  balance = std::clamp(balance, -100, 100);
  const int full = level(position);
  std::int64_t left = full;
  std::int64_t right = full;
  if (balance > 0)
    right = roundHalfEven(full * (100.0 - balance) / 100.0);
  else
    left = roundHalfEven(full * (100.0 + balance) / 100.0);
  return static_cast<std::uint32_t>(left) | (static_cast<std::uint32_t>(right) << 16);
}

VolumeMath::Slider VolumeMath::readBack(std::uint32_t volume, int balance) {
  const double left = volume & 0xFFFFu;
  const double right = volume >> 16;
  if (left == 0 && right == 0) return {10, balance};
  double loudest = 0;
  if (right < left) {
    balance = static_cast<int>(roundHalfEven(100.0 - right / left * 100.0));
    loudest = left;
  } else {
    balance = -static_cast<int>(roundHalfEven(100.0 - left / right * 100.0));
    loudest = right;
  }
  // Truncating here (as before) let positions creep: 3 gave 45874, read as 4.
  const int position = 10 - static_cast<int>(roundHalfEven(loudest / 65535.0 * 10.0));
  return {std::clamp(position, 0, 10), balance};
}

int VolumeMath::gaugeClick(int mark, bool leftButton) {
  return std::clamp(mark + (leftButton ? 10 : -10), 0, 100);
}

}  // namespace parlhora
