#pragma once

#include <QDateTime>
#include <cstdint>
#include <functional>

namespace parlhora {

/// Time for the core: wall time, a monotonic millisecond count, waits that
/// keep events flowing, and one-shot callbacks. Everything runs on the thread
/// that owns the core (the Qt main thread); none of it is thread-safe.
class Clock {
 public:
  using TimerId = std::uint64_t;

  virtual ~Clock() = default;

  /// Local wall time; may jump when the user or NTP sets the clock.
  virtual QDateTime now() const = 0;
  /// Milliseconds since an arbitrary start; never goes backwards.
  virtual std::int64_t monotonicMs() const = 0;
  /// Returns after at least `ms` milliseconds of monotonic time, running due
  /// callbacks and events meanwhile (they may re-enter the caller).
  virtual void waitMs(int ms) = 0;
  /// Calls `fn` once, on the core thread, `ms` milliseconds from now (0 = as
  /// soon as control returns to the event loop). Returns a nonzero id.
  virtual TimerId callAfter(int ms, std::function<void()> fn) = 0;
  /// Forgets a pending callback; unknown or fired ids are ignored.
  virtual void cancel(TimerId id) = 0;
};

}  // namespace parlhora
