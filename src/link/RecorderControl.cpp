#include "link/RecorderControl.h"

#include <QFile>
#include <QFileInfo>

#include "platform/Clock.h"
#include "platform/Notifier.h"
#include "platform/RecorderChannel.h"

namespace parlhora {

namespace {

QByteArray commandText(RecorderControl::Command command) {
  switch (command) {
    case RecorderControl::Record:
      return "Quorrel record";
    case RecorderControl::Stop:
      return "Quorrel stop";
    case RecorderControl::Close:
      return "Quorrel close";
    default:
      return {};
  }
}

}  // namespace

RecorderControl::RecorderControl(RecorderChannel& channel, Clock& clock, Notifier& notifier,
                                 const QByteArray& path, QObject* parent)
    : QObject(parent), channel_(channel), clock_(clock), notifier_(notifier), path_(path) {}

void RecorderControl::start() {
  const std::uint64_t id = ++run_;
  state_ = None;
  alreadyRunning_ = false;
  const QString path = QFile::decodeName(path_);
  if (path.isEmpty() || !QFileInfo::exists(path)) {
    setStatus(QStringLiteral("Tallistopfad-Fehler"), true);
    notifier_.beep();
    return;
  }
  if (channel_.find()) {
    alreadyRunning_ = true;
  } else {
    channel_.launch(path);
    bool found = false;
    for (int look = 0; look < kLooks && !found; ++look) {
      clock_.waitMs(kLookEveryMs);
      if (id != run_) return;
      found = channel_.find();
    }
    if (!found) {
      setStatus(QStringLiteral("Tallisto nicht gefunden!"), true);
      notifier_.beep();
      return;
    }
  }
  clock_.waitMs(kSettleMs);
  if (id != run_) return;
  state_ = Record;
  sendCommand();
}

void RecorderControl::stopAndClose() {
  if (state_ != Record) return;
  const std::uint64_t id = run_;
  state_ = Stop;
  sendCommand();
  if (alreadyRunning_) return;
  clock_.waitMs(kCloseAfterMs);
  // A new announcement is recording meanwhile: closing now would cut it off.
  if (id != run_) return;
  state_ = Close;
  sendCommand();
}

void RecorderControl::sendCommand() {
  if (!channel_.find()) {
    setStatus(QStringLiteral("Tallisto nicht gefunden!"), true);
    return;
  }
  switch (channel_.send(commandText(state_))) {
    case 0:
      setStatus(QStringLiteral("Tallisto antwort nicht"), true);
      break;
    case Record:
      setStatus(QStringLiteral("Tallisto record"), false);
      break;
    case Stop:
      setStatus(QStringLiteral("Tallisto stop"), false);
      break;
    case Close:
      setStatus(QStringLiteral("Tallisto close"), false);
      break;
    default:
      break;
  }
}

void RecorderControl::setStatus(const QString& text, bool failure) {
  status_ = text;
  emit statusChanged(text);
  if (failure && logLine) logLine(text);
}

}  // namespace parlhora
