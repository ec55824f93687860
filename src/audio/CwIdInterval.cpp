#include "audio/CwIdInterval.h"

namespace parlhora {

bool CwIdInterval::due(std::int64_t nowMs, int minMinutes) const {
  if (minMinutes <= 0 || !last_) return true;
  constexpr std::int64_t kMinuteMs = 60000;
  const std::int64_t elapsed = nowMs - *last_;
  // A clock that went back says nothing about the interval: identify.
  if (elapsed < 0) return true;
  return (elapsed + kMinuteMs / 2) / kMinuteMs >= minMinutes;
}

}  // namespace parlhora
