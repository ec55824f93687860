#include "fakes/FakeSerialLines.h"

namespace parlhora {
namespace {

QString lineNames(unsigned bits) {
  QStringList names;
  if (bits & SerialLines::Dtr) names << QStringLiteral("DTR");
  if (bits & SerialLines::Rts) names << QStringLiteral("RTS");
  return names.join(QLatin1Char(' '));
}

}  // namespace

void FakeSerialLines::record(const QString& call) {
  calls << call;
  if (onCall) onCall(call);
}

QString FakeSerialLines::open(const QString& path) {
  close();
  record(QStringLiteral("open ") + path);
  lastOpenBusy_ = false;
  if (removed) return QStringLiteral("open: No such device");
  if (openErrors.contains(path)) {
    lastOpenBusy_ = openErrors.value(path).startsWith(QStringLiteral("belegt"));
    return openErrors.value(path);
  }
  path_ = path;
  dtr_ = rts_ = false;
  return {};
}

bool FakeSerialLines::setLines(unsigned bits) {
  record(QStringLiteral("set ") + lineNames(bits));
  if (path_.isEmpty() || removed) return false;
  if (!refuseLines.isEmpty()) {
    lastError_ = refuseLines;
    return false;
  }
  if (bits & Dtr) dtr_ = true;
  if (bits & Rts) rts_ = true;
  return true;
}

bool FakeSerialLines::clearLines(unsigned bits) {
  record(QStringLiteral("clear ") + lineNames(bits));
  if (path_.isEmpty() || removed) return false;
  if (bits & Dtr) dtr_ = false;
  if (bits & Rts) rts_ = false;
  return true;
}

ModemLines FakeSerialLines::readLines() {
  record(QStringLiteral("read"));
  if (path_.isEmpty() || removed) return {};
  return {cts, dsr, dcd, true};
}

void FakeSerialLines::close() {
  if (path_.isEmpty()) return;
  record(QStringLiteral("close"));
  path_.clear();
  dtr_ = rts_ = false;
}

}  // namespace parlhora
