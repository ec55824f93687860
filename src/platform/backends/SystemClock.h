#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <map>

#include "platform/Clock.h"

class QTimer;

namespace parlhora {

/// The real clock: Qt timers on the main thread, QElapsedTimer for monotonic time.
class SystemClock final : public Clock {
 public:
  SystemClock();
  ~SystemClock() override;
  SystemClock(const SystemClock&) = delete;
  SystemClock& operator=(const SystemClock&) = delete;

  QDateTime now() const override;
  std::int64_t monotonicMs() const override;
  void waitMs(int ms) override;
  TimerId callAfter(int ms, std::function<void()> fn) override;
  void cancel(TimerId id) override;

 private:
  QElapsedTimer elapsed_;
  QObject context_;
  std::map<TimerId, QTimer*> timers_;
  TimerId nextId_ = 1;
};

}  // namespace parlhora
