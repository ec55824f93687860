#pragma once

#include <QElapsedTimer>
#include <atomic>

#include "platform/Clock.h"

namespace parlhora {

/// Real time for a worker thread: waits sleep (there are no events to run
/// there) and callbacks are not offered. Once aborted, every look at the
/// time moves it far on, so whatever deadline its user holds has passed and
/// a call in progress gives up at its next check. monotonicMs and waitMs
/// belong to the worker; abort and resume may come from any thread.
class WorkerClock final : public Clock {
 public:
  static constexpr std::int64_t kAbortStepMs = 1'000'000'000;

  WorkerClock();

  QDateTime now() const override;
  std::int64_t monotonicMs() const override;
  void waitMs(int ms) override;
  /// Not offered on a worker: never calls `fn`.
  TimerId callAfter(int ms, std::function<void()> fn) override;
  void cancel(TimerId) override {}

  void abort() { aborted_ = true; }
  void resume() { aborted_ = false; }
  bool aborted() const { return aborted_; }

 private:
  QElapsedTimer elapsed_;
  std::atomic<bool> aborted_{false};
  mutable std::atomic<std::int64_t> skipped_{0};
};

}  // namespace parlhora
