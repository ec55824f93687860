#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <thread>

#include "link/MessageBlock.h"

namespace parlhora {

class SharedLink;

/// The thread that waits for the simplex link's event and reads each new
/// message. It acts on nothing itself: every reading goes to `deliver`,
/// which runs on this thread and must only hand it on to the core thread.
///
/// start(), stop() and the destructor belong to the core thread. The link
/// must stay open until stop() has returned.
class SimplexListener {
 public:
  struct Received {
    bool readFailed = false;  // the block could not be read; the thread has ended
    MessageBlock::Decoded message;
  };
  using Deliver = std::function<void(const Received&)>;

  /// How long the thread sleeps between looks at its stop flag, in case
  /// the pulse that should wake it is lost.
  static constexpr int kStopPollMs = 200;
  /// The writers' lock is also taken for reading, so a message is never
  /// seen half written; a partner that keeps it longer is not waited for.
  static constexpr int kLockWaitMs = 3000;

  SimplexListener(SharedLink& link, Deliver deliver);
  ~SimplexListener();
  SimplexListener(const SimplexListener&) = delete;
  SimplexListener& operator=(const SimplexListener&) = delete;

  void start();
  /// Tells the thread to end at its next wake-up, without waiting.
  void requestStop() { stop_ = true; }
  /// Ends the thread and waits for it.
  void stop();
  bool running() const { return thread_.joinable(); }

 private:
  void run(std::uint32_t seen);

  SharedLink& link_;
  Deliver deliver_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

}  // namespace parlhora
