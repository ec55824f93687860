#include "link/SimplexListener.h"

#include <chrono>

#include "link/SharedSend.h"
#include "link/SimplexLink.h"
#include "platform/SharedLink.h"

namespace parlhora {

namespace {
using SteadyClock = std::chrono::steady_clock;
}

SimplexListener::SimplexListener(SharedLink& link, Deliver deliver)
    : link_(link), deliver_(std::move(deliver)) {}

SimplexListener::~SimplexListener() { stop(); }

void SimplexListener::start(std::optional<MessageBlock::Decoded> waiting) {
  stop();
  stop_ = false;
  // Taken here, not in the thread: whatever is sent after start() is heard.
  const std::uint32_t seen = link_.generation();
  thread_ = std::thread([this, seen, waiting = std::move(waiting)] { run(seen, waiting); });
}

void SimplexListener::stop() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
}

void SimplexListener::run(std::uint32_t seen, std::optional<MessageBlock::Decoded> waiting) {
  if (waiting && !handle(*waiting)) return;
  auto lastCheck = SteadyClock::now();
  while (!stop_) {
    const auto before = SteadyClock::now();
    const bool woke = link_.wait(seen, kStopPollMs);
    if (stop_) break;
    if (!woke) {
      const auto now = SteadyClock::now();
      if (now - lastCheck >= std::chrono::milliseconds(kStaleCheckMs)) {
        lastCheck = now;
        if (link_.stale()) {
          Received received;
          received.stale = true;
          deliver_(received);
          return;
        }
      } else if (now - before < std::chrono::milliseconds(kStopPollMs / 2)) {
        // The wait gave up at once (a broken event): no spinning meanwhile.
        std::this_thread::sleep_for(std::chrono::milliseconds(kStopPollMs));
      }
      continue;
    }
    const SharedLink::Lock lock = link_.lock(kLockWaitMs);
    const bool locked = lock == SharedLink::Lock::Acquired || lock == SharedLink::Lock::Recovered;
    // Read under the lock: the count then belongs to the message, so no
    // message is taken twice.
    seen = link_.generation();
    const std::optional<QByteArray> block = link_.read();
    if (locked) link_.unlock();
    if (!block) {
      Received received;
      received.readFailed = true;
      received.stale = link_.stale();
      deliver_(received);
      return;
    }
    if (!handle(MessageBlock::decode(*block))) return;
  }
}

// False when the thread must end.
bool SimplexListener::handle(const MessageBlock::Decoded& message) {
  Received received;
  received.message = message;
  deliver_(received);
  if (!message.valid || !message.text.contains(SimplexLink::hello())) return true;
  // A plain sleep: the partner is given time to start listening for the answer.
  std::this_thread::sleep_for(std::chrono::milliseconds(kHelloDelayMs));
  if (stop_) return false;
  const bool busy = active_;
  const SharedSend::Result sent =
      SharedSend::send(link_, busy ? SimplexLink::occupied() : SimplexLink::ready(), kLockWaitMs);
  if (sent.recovered || busy) {
    Received note;
    note.lockRecovered = sent.recovered;
    note.occupied = busy;
    note.message.valid = false;
    note.message.length = -1;
    deliver_(note);
  }
  // Deaf until the announcement's end reopens the link.
  return !busy;
}

}  // namespace parlhora
