#include "stations/WorkerClock.h"

#include <QThread>
#include <algorithm>

namespace parlhora {

WorkerClock::WorkerClock() { elapsed_.start(); }

QDateTime WorkerClock::now() const { return QDateTime::currentDateTime(); }

std::int64_t WorkerClock::monotonicMs() const {
  if (aborted_) skipped_ += kAbortStepMs;
  return elapsed_.elapsed() + skipped_;
}

void WorkerClock::waitMs(int ms) {
  // In short steps, so an abort is noticed soon.
  constexpr int kStepMs = 10;
  const std::int64_t until = elapsed_.elapsed() + ms;
  for (std::int64_t left = ms; left > 0 && !aborted_; left = until - elapsed_.elapsed())
    QThread::msleep(static_cast<unsigned long>(std::min<std::int64_t>(left, kStepMs)));
}

Clock::TimerId WorkerClock::callAfter(int, std::function<void()>) { return 0; }

}  // namespace parlhora
