#include "link/SimplexListener.h"

#include "platform/SharedLink.h"

namespace parlhora {

SimplexListener::SimplexListener(SharedLink& link, Deliver deliver)
    : link_(link), deliver_(std::move(deliver)) {}

SimplexListener::~SimplexListener() { stop(); }

void SimplexListener::start() {
  stop();
  stop_ = false;
  // Taken here, not in the thread: whatever is sent after start() is heard.
  const std::uint32_t seen = link_.generation();
  thread_ = std::thread([this, seen] { run(seen); });
}

void SimplexListener::stop() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
}

void SimplexListener::run(std::uint32_t seen) {
  while (!stop_) {
    if (!link_.wait(seen, kStopPollMs) || stop_) continue;
    const SharedLink::Lock lock = link_.lock(kLockWaitMs);
    const bool locked = lock == SharedLink::Lock::Acquired || lock == SharedLink::Lock::Recovered;
    // Read under the lock: the count then belongs to the message, so no
    // message is taken twice.
    seen = link_.generation();
    const std::optional<QByteArray> block = link_.read();
    if (locked) link_.unlock();
    Received received;
    if (!block) {
      received.readFailed = true;
      deliver_(received);
      return;
    }
    received.message = MessageBlock::decode(*block);
    deliver_(received);
  }
}

}  // namespace parlhora
