#include "platform/backends/SystemClock.h"

#include <QEventLoop>
#include <QTimer>

namespace parlhora {

SystemClock::SystemClock() { elapsed_.start(); }

SystemClock::~SystemClock() {
  for (auto& [id, timer] : timers_) delete timer;
}

QDateTime SystemClock::now() const { return QDateTime::currentDateTime(); }

std::int64_t SystemClock::monotonicMs() const { return elapsed_.elapsed(); }

void SystemClock::waitMs(int ms) {
  const std::int64_t end = monotonicMs() + ms;
  // A nested loop per wait, as the device and timer events must keep coming.
  while (true) {
    const std::int64_t left = end - monotonicMs();
    if (left <= 0) break;
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(left), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    // -1: the application is quitting and no loop runs any more; waiting
    // on would only spin. Whoever waits is being shut down anyway.
    if (loop.exec() == -1) break;
  }
}

Clock::TimerId SystemClock::callAfter(int ms, std::function<void()> fn) {
  const TimerId id = nextId_++;
  auto* timer = new QTimer(&context_);
  timer->setSingleShot(true);
  timer->setTimerType(Qt::PreciseTimer);
  QObject::connect(timer, &QTimer::timeout, &context_, [this, id, fn = std::move(fn)]() {
    auto it = timers_.find(id);
    if (it == timers_.end()) return;
    it->second->deleteLater();
    timers_.erase(it);
    fn();
  });
  timers_[id] = timer;
  timer->start(ms < 0 ? 0 : ms);
  return id;
}

void SystemClock::cancel(TimerId id) {
  auto it = timers_.find(id);
  if (it == timers_.end()) return;
  it->second->stop();
  it->second->deleteLater();
  timers_.erase(it);
}

}  // namespace parlhora
