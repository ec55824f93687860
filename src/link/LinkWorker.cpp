#include "link/LinkWorker.h"

namespace parlhora {

LinkWorker::LinkWorker() : thread_([this] { run(); }) {}

LinkWorker::~LinkWorker() {
  {
    const std::lock_guard guard(mutex_);
    stop_ = true;
  }
  wake_.notify_one();
  thread_.join();
}

void LinkWorker::post(std::function<void()> job) {
  {
    const std::lock_guard guard(mutex_);
    jobs_.push_back(std::move(job));
  }
  wake_.notify_one();
}

bool LinkWorker::idle() const {
  const std::lock_guard guard(mutex_);
  return jobs_.empty() && !running_;
}

void LinkWorker::drain() {
  std::unique_lock guard(mutex_);
  done_.wait(guard, [this] { return jobs_.empty() && !running_; });
}

void LinkWorker::run() {
  std::unique_lock guard(mutex_);
  for (;;) {
    wake_.wait(guard, [this] { return stop_ || !jobs_.empty(); });
    if (jobs_.empty()) return;  // stopped, nothing left
    std::function<void()> job = std::move(jobs_.front());
    jobs_.pop_front();
    running_ = true;
    guard.unlock();
    job();
    guard.lock();
    running_ = false;
    if (jobs_.empty()) done_.notify_all();
  }
}

}  // namespace parlhora
