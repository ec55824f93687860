#pragma once

#include <functional>

#include "platform/Clock.h"

namespace parlhora {

/// A clock that reports every wait as a "pause MS" line and otherwise
/// passes through: the timeline of a dry-run announcement.
class TraceClock final : public Clock {
 public:
  using Sink = std::function<void(const QString&)>;
  TraceClock(Clock& inner, Sink sink) : inner_(inner), sink_(std::move(sink)) {}

  QDateTime now() const override { return inner_.now(); }
  std::int64_t monotonicMs() const override { return inner_.monotonicMs(); }
  void waitMs(int ms) override {
    sink_(QStringLiteral("pause %1").arg(ms));
    inner_.waitMs(ms);
  }
  TimerId callAfter(int ms, std::function<void()> fn) override { return inner_.callAfter(ms, std::move(fn)); }
  void cancel(TimerId id) override { inner_.cancel(id); }

 private:
  Clock& inner_;
  Sink sink_;
};

}  // namespace parlhora
