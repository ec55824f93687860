#include "link/SharedSend.h"

#include "link/MessageBlock.h"
#include "platform/SharedLink.h"

namespace parlhora {

SharedSend::Result SharedSend::send(SharedLink& link, const QString& text, int lockMs) {
  Result result;
  const SharedLink::Lock lock = link.lock(lockMs);
  const bool locked = lock == SharedLink::Lock::Acquired || lock == SharedLink::Lock::Recovered;
  result.recovered = lock == SharedLink::Lock::Recovered;
  result.written = link.write(MessageBlock::encode(text));
  if (result.written) link.pulse();
  if (locked) link.unlock();
  return result;
}

}  // namespace parlhora
