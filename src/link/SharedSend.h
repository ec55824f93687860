#pragma once

#include <QString>

namespace parlhora {

class SharedLink;

/// One message into the shared block: the writers' lock (a time-out is no
/// reason to keep quiet), the block, the pulse. Used by the core thread and
/// the listener thread alike; the link must stay open during the call.
class SharedSend {
 public:
  static constexpr int kLockMs = 3000;

  struct Result {
    bool written = false;
    bool recovered = false;  // the lock came from a process that died holding it
  };

  static Result send(SharedLink& link, const QString& text, int lockMs = kLockMs);
};

}  // namespace parlhora
