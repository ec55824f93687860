#pragma once

#include <QDateTime>
#include <cstdint>

#include "platform/Clock.h"
#include "platform/backends/SystemClock.h"

namespace parlhora {

/// The real clock with its wall time moved by an offset, as a clock set by
/// the user would be, so a due second can be brought near at will.
class OffsetClock final : public Clock {
 public:
  QDateTime now() const override { return real_.now().addMSecs(offsetMs_); }
  std::int64_t monotonicMs() const override { return real_.monotonicMs(); }
  void waitMs(int ms) override { real_.waitMs(ms); }
  TimerId callAfter(int ms, std::function<void()> fn) override { return real_.callAfter(ms, std::move(fn)); }
  void cancel(TimerId id) override { real_.cancel(id); }
  /// Sets the wall time so that `target` is `leadMs` away.
  void aim(const QDateTime& target, int leadMs) { offsetMs_ = real_.now().msecsTo(target) - leadMs; }

 private:
  SystemClock real_;
  std::int64_t offsetMs_ = 0;
};

}  // namespace parlhora
