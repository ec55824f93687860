#include "platform/VirtualClock.h"

#include <algorithm>

namespace parlhora {

VirtualClock::VirtualClock(QDateTime start) : start_(std::move(start)) {}

QDateTime VirtualClock::now() const { return start_.addMSecs(elapsedMs_ + wallOffsetMs_); }

void VirtualClock::waitMs(int ms) { runUntilMonotonic(elapsedMs_ + std::max(ms, 0)); }

Clock::TimerId VirtualClock::callAfter(int ms, std::function<void()> fn) {
  const TimerId id = nextId_++;
  const std::int64_t due = elapsedMs_ + std::max(ms, 0);
  queue_.emplace(std::make_pair(due, id), std::move(fn));
  dueOf_[id] = due;
  return id;
}

void VirtualClock::cancel(TimerId id) {
  auto it = dueOf_.find(id);
  if (it == dueOf_.end()) return;
  queue_.erase({it->second, id});
  dueOf_.erase(it);
}

void VirtualClock::runFor(std::int64_t ms) { runUntilMonotonic(elapsedMs_ + std::max<std::int64_t>(ms, 0)); }

void VirtualClock::runUntil(const QDateTime& until) {
  const std::int64_t delta = now().msecsTo(until);
  if (delta > 0) runFor(delta);
}

void VirtualClock::runUntilMonotonic(std::int64_t target) {
  // Callbacks may wait themselves (nested runs); time never goes backwards.
  while (!queue_.empty()) {
    auto first = queue_.begin();
    const std::int64_t due = first->first.first;
    if (due > target) break;
    const TimerId id = first->first.second;
    auto fn = std::move(first->second);
    queue_.erase(first);
    dueOf_.erase(id);
    elapsedMs_ = std::max(elapsedMs_, due);
    fn();
  }
  elapsedMs_ = std::max(elapsedMs_, target);
}

}  // namespace parlhora
