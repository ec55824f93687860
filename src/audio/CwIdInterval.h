#pragma once

#include <cstdint>
#include <optional>

namespace parlhora {

/// The rule of CWID_MIN: identify with every announcement (0), or only when
/// the last identification is at least that many minutes ago. Times are
/// monotonic milliseconds from the caller's clock. Core thread.
class CwIdInterval {
 public:
  /// Whether an identification is due at `nowMs`. The time since the last
  /// one is taken in whole minutes, rounded: announcements differ by a few
  /// seconds in length, and one that started exactly N minutes after the
  /// last identifying one must identify too.
  bool due(std::int64_t nowMs, int minMinutes) const;
  /// An identification went out at `nowMs`.
  void sent(std::int64_t nowMs) { last_ = nowMs; }
  /// Forgets the last identification (the next one is due at once).
  void clear() { last_.reset(); }

 private:
  std::optional<std::int64_t> last_;
};

}  // namespace parlhora
