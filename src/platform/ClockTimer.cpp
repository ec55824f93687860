#include "platform/ClockTimer.h"

namespace parlhora {

ClockTimer::ClockTimer(Clock& clock, std::function<void()> onTimeout)
    : clock_(clock), onTimeout_(std::move(onTimeout)) {}

ClockTimer::~ClockTimer() { stop(); }

void ClockTimer::start(int intervalMs, bool repeat) {
  interval_ = intervalMs;
  repeat_ = repeat;
  arm(intervalMs);
}

void ClockTimer::stop() {
  if (pending_ != 0) clock_.cancel(pending_);
  pending_ = 0;
}

void ClockTimer::fireIn(int ms) {
  if (pending_ == 0) return;
  arm(ms);
}

void ClockTimer::arm(int ms) {
  stop();
  pending_ = clock_.callAfter(ms, [this]() {
    pending_ = 0;
    // Re-arm before the handler so a handler that stops the timer wins.
    if (repeat_) arm(interval_);
    onTimeout_();
  });
}

}  // namespace parlhora
