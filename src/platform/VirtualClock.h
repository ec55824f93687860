#pragma once

#include <map>
#include <utility>

#include "platform/Clock.h"

namespace parlhora {

/// A clock whose time moves only when someone waits or runs it: waits
/// advance time at once and fire the callbacks due on the way, in order.
/// A whole day of announcements runs in a fraction of a second.
class VirtualClock final : public Clock {
 public:
  explicit VirtualClock(QDateTime start);

  QDateTime now() const override;
  std::int64_t monotonicMs() const override { return elapsedMs_; }
  void waitMs(int ms) override;
  TimerId callAfter(int ms, std::function<void()> fn) override;
  void cancel(TimerId id) override;

  /// Advances to `monotonicMs() + ms`, firing everything due on the way.
  void runFor(std::int64_t ms);
  /// Advances to the wall time `until` (no-op if already past it).
  void runUntil(const QDateTime& until);
  /// Fires everything due now (0 ms callbacks) without moving time.
  void runPending() { runFor(0); }
  /// Moves the wall clock by `ms` without moving monotonic time, as a user
  /// or NTP setting the clock would.
  void jumpWallClock(std::int64_t ms) { wallOffsetMs_ += ms; }
  std::size_t pendingCount() const { return queue_.size(); }

 private:
  void runUntilMonotonic(std::int64_t target);

  QDateTime start_;
  std::int64_t elapsedMs_ = 0;
  std::int64_t wallOffsetMs_ = 0;
  // Key: (due time, sequence number) so equal due times fire in call order.
  std::map<std::pair<std::int64_t, TimerId>, std::function<void()>> queue_;
  std::map<TimerId, std::int64_t> dueOf_;
  TimerId nextId_ = 1;
};

}  // namespace parlhora
