#include "stations/net/FailureLog.h"

namespace parlhora {

bool FailureLog::report(const QString& kind, const QString& line, std::int64_t nowMs) {
  const auto it = last_.constFind(kind);
  if (it != last_.constEnd() && nowMs - *it < kQuietMs) return false;
  last_.insert(kind, nowMs);
  log_(line);
  return true;
}

}  // namespace parlhora
