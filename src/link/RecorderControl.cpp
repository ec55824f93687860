#include "link/RecorderControl.h"

#include <QFile>
#include <QFileInfo>
#include <chrono>
#include <future>

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

template <typename Call>
auto RecorderControl::offCore(Call call) {
  auto pending = std::async(std::launch::async, std::move(call));
  while (pending.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready) {
    const std::int64_t before = clock_.monotonicMs();
    clock_.waitMs(kCallPollMs);
    // No event loop any more (the program is closing): wait plainly.
    if (clock_.monotonicMs() == before) pending.wait_for(std::chrono::milliseconds(kCallPollMs));
  }
  return pending.get();
}

bool RecorderControl::find() {
  return offCore([this] { return channel_.find(); });
}

void RecorderControl::start() {
  // A recording that lost its stop (a new announcement came during the last
  // one's closing pause) gets it now, before the next record.
  if (state_ == Record) {
    state_ = Stop;
    sendCommand();
  }
  const std::uint64_t id = ++run_;
  state_ = None;
  alreadyRunning_ = false;
  const QString path = QFile::decodeName(path_);
  if (path.isEmpty() || !QFileInfo::exists(path)) {
    setStatus(QStringLiteral("Tallistopfad-Fehler"), true);
    notifier_.beep();
    return;
  }
  if (find()) {
    // One we launched and have not closed yet stays ours to close.
    alreadyRunning_ = !launched_;
    if (id != run_) return;
  } else {
    if (id != run_) return;
    const QString launchPath = path;
    launched_ = offCore([this, launchPath] { return channel_.launch(launchPath); });
    if (id != run_) return;
    bool found = false;
    for (int look = 0; look < kLooks && !found; ++look) {
      clock_.waitMs(kLookEveryMs);
      if (id != run_) return;
      found = find();
      if (id != run_) return;
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
  launched_ = false;
  sendCommand();
}

void RecorderControl::closeForExit() {
  ++run_;  // a start or stop resting in a wait must not go on after this
  if (state_ == Record) {
    state_ = Stop;
    sendCommand();
  }
  if (!launched_) return;
  clock_.waitMs(kCloseAfterMs);
  state_ = Close;
  launched_ = false;
  sendCommand();
}

void RecorderControl::sendCommand() {
  if (!find()) {
    setStatus(QStringLiteral("Tallisto nicht gefunden!"), true);
    return;
  }
  const QByteArray command = commandText(state_);
  switch (offCore([this, command] { return channel_.send(command); })) {
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
