#pragma once

#include <functional>

#include "platform/Clock.h"

namespace parlhora {

/// A restartable timer on a Clock, like a form's timer component: an
/// interval, enabled or not, repeating until stopped. Copying is disabled
/// because the pending callback refers to this object.
class ClockTimer {
 public:
  ClockTimer(Clock& clock, std::function<void()> onTimeout);
  ~ClockTimer();
  ClockTimer(const ClockTimer&) = delete;
  ClockTimer& operator=(const ClockTimer&) = delete;

  /// Starts (or restarts) with `intervalMs`; `repeat` false fires once.
  void start(int intervalMs, bool repeat = true);
  void stop();
  bool isActive() const { return pending_ != 0; }
  int interval() const { return interval_; }
  /// Re-aims the next expiry `ms` from now, keeping the timer's interval.
  void fireIn(int ms);

 private:
  void arm(int ms);

  Clock& clock_;
  std::function<void()> onTimeout_;
  Clock::TimerId pending_ = 0;
  int interval_ = 0;
  bool repeat_ = true;
};

}  // namespace parlhora
