#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <thread>

#include "link/MessageBlock.h"

namespace parlhora {

class SharedLink;

/// The thread that waits for the simplex link's event, reads each new
/// message and answers "PIROLO_HELLO" itself (after the 100 ms pause, with
/// "PIROLO_OCCUPIED" while an announcement is on, ending itself then, else
/// "PIROLO_READY"), so no wait on the partner ever falls on the core thread.
/// It also notices, once a second, when the objects behind the names were
/// removed, re-created or shrunk, and ends with that news.
///
/// Everything else goes to `deliver`, which runs on this thread and must
/// only hand it on to the core thread. start(), stop() and the destructor
/// belong to the core thread; setAnnouncementActive() to any thread. The
/// link must stay open until stop() has returned.
class SimplexListener {
 public:
  struct Received {
    bool readFailed = false;     // the block could not be read; the thread has ended
    bool stale = false;          // the objects are no longer the partner's; the thread has ended
    bool occupied = false;       // HELLO answered "occupied"; the thread has ended
    bool lockRecovered = false;  // an answer took over a dead process's lock
    MessageBlock::Decoded message;
  };
  using Deliver = std::function<void(const Received&)>;

  /// How long the thread sleeps between looks at its stop flag, in case
  /// the pulse that should wake it is lost.
  static constexpr int kStopPollMs = 200;
  /// How often the objects behind the names are compared with ours.
  static constexpr int kStaleCheckMs = 1000;
  /// The writers' lock is also taken for reading, so a message is never
  /// seen half written; a partner that keeps it longer is not waited for.
  static constexpr int kLockWaitMs = 3000;
  static constexpr int kHelloDelayMs = 100;

  SimplexListener(SharedLink& link, Deliver deliver);
  ~SimplexListener();
  SimplexListener(const SimplexListener&) = delete;
  SimplexListener& operator=(const SimplexListener&) = delete;

  /// `waiting`: a message found in the block before listening began (a
  /// partner that spoke while we were away), handled as if just received.
  void start(std::optional<MessageBlock::Decoded> waiting = std::nullopt);
  /// Tells the thread to end at its next wake-up, without waiting.
  void requestStop() { stop_ = true; }
  /// Ends the thread and waits for it.
  void stop();
  bool running() const { return thread_.joinable(); }
  void setAnnouncementActive(bool active) { active_ = active; }

 private:
  void run(std::uint32_t seen, std::optional<MessageBlock::Decoded> waiting);
  bool handle(const MessageBlock::Decoded& message);

  SharedLink& link_;
  Deliver deliver_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> active_{false};
  std::thread thread_;
};

}  // namespace parlhora
