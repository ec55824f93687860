#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "stations/WorkerClock.h"

class QThread;

namespace parlhora {

/// Runs one station read at a time on a thread of its own, so a slow or
/// silent station never holds up the core thread; the read hands what it
/// found back to the core thread with post(). Threadless, a read runs at
/// once on the caller's thread and posts run at once too (a virtual clock
/// in tests). Created, started and stopped on the core thread.
class StationWorker {
 public:
  /// `receiver` lives on the core thread and outlives the worker; posts
  /// run in its thread.
  StationWorker(QObject& receiver, bool threaded);
  ~StationWorker();
  StationWorker(const StationWorker&) = delete;
  StationWorker& operator=(const StationWorker&) = delete;

  bool threaded() const { return threaded_; }
  /// The clock the read's calls wait on when threaded.
  WorkerClock& clock() { return clock_; }
  /// Starts `read`; a read still running is stopped first.
  void start(std::function<void()> read);
  /// From the read: `fn` runs on the core thread, in order.
  void post(std::function<void()> fn);
  /// True when the read should give up: it was stopped.
  bool stopping() const { return clock_.aborted(); }
  /// Waits for the read to end by itself and runs what it posted.
  void finish();
  /// Makes a running read give up at its next check and waits for its
  /// thread; posts not yet run still arrive, so callers drop stale ones.
  void stop();

 private:
  QObject& receiver_;
  bool threaded_;
  WorkerClock clock_;
  std::unique_ptr<QThread> thread_;
};

}  // namespace parlhora
