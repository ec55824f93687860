#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace parlhora {

/// The simplex link's own thread for whatever may wait on a partner: the
/// writers' lock of a send, ending the listener, closing and opening the
/// objects. Jobs run one after another in the order given. Jobs are given
/// by one thread (the core); idle() tells that thread when nothing is
/// queued or running, so that it may touch the link itself meanwhile.
class LinkWorker {
 public:
  LinkWorker();
  /// Runs what is queued, then ends.
  ~LinkWorker();
  LinkWorker(const LinkWorker&) = delete;
  LinkWorker& operator=(const LinkWorker&) = delete;

  void post(std::function<void()> job);
  bool idle() const;
  /// Waits until everything queued has run (program exit).
  void drain();

 private:
  void run();

  mutable std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable done_;
  std::deque<std::function<void()>> jobs_;
  bool running_ = false;
  bool stop_ = false;
  std::thread thread_;
};

}  // namespace parlhora
