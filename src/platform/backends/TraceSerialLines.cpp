#include "platform/backends/TraceSerialLines.h"

namespace parlhora {

QString TraceSerialLines::open(const QString&) {
  open_ = true;
  raised_ = 0;
  return {};
}

bool TraceSerialLines::setLines(unsigned bits) {
  if (!open_) return false;
  if (bits & Dtr) sink_("key DTR");
  if (bits & Rts) sink_("key RTS");
  raised_ |= bits;
  return true;
}

bool TraceSerialLines::clearLines(unsigned bits) {
  if (!open_) return false;
  // One "unkey" per release of raised lines; a release of lines already low
  // (the safety net at every end) is not an event.
  if (raised_ & bits) sink_("unkey");
  raised_ &= ~bits;
  return true;
}

}  // namespace parlhora
