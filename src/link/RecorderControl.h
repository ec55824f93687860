#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>

namespace parlhora {

class Clock;
class Notifier;
class RecorderChannel;

/// Recording an announcement with the wave recorder program: make sure it
/// runs (launching it from its path if needed), tell it to record at the
/// start, to stop at the end, and to close if we launched it. Results are
/// shown in the recorder window's `StaticTextW` (status()).
///
/// Every record gets exactly one stop: a start while a recording is still
/// on stops it first, and the program's close stops it and closes a
/// recorder that this program launched.
///
/// Core thread only. Each call to the channel runs on a thread of its own
/// while the core waits through Clock::waitMs, so a recorder that hangs
/// never holds the core: events (an unkey, a new announcement) may run
/// inside start(), stopAndClose() and closeForExit(). Borrows the
/// channel, clock, notifier and the path (RECORDER=, settings bytes), which
/// must outlive it.
class RecorderControl : public QObject {
  Q_OBJECT

 public:
  enum Command : std::int32_t { None = 0, Record = 1, Stop = 2, Close = 3 };

  static constexpr int kSettleMs = 200;  // between finding the recorder and the first command
  static constexpr int kLookEveryMs = 100;
  static constexpr int kLooks = 30;
  static constexpr int kCloseAfterMs = 1000;
  static constexpr int kCallPollMs = 5;  // how often a pending channel call is looked at

  RecorderControl(RecorderChannel& channel, Clock& clock, Notifier& notifier, const QByteArray& path,
                  QObject* parent = nullptr);

  /// The start of an announcement (with `MenuRecord` checked).
  void start();
  /// The normal end of an announcement (with `MenuRecord` checked).
  void stopAndClose();
  /// The program closes: a recording still on is stopped, and a recorder
  /// this program launched is closed.
  void closeForExit();
  /// Sends the current command and shows the result.
  void sendCommand();

  Command state() const { return state_; }
  bool alreadyRunning() const { return alreadyRunning_; }
  /// This program launched the recorder and has not closed it yet.
  bool launched() const { return launched_; }
  const QString& status() const { return status_; }

  /// Failures also go to the log, where they are seen without windows.
  std::function<void(const QString&)> logLine;

 signals:
  void statusChanged(const QString& text);

 private:
  void setStatus(const QString& text, bool failure);
  bool find();
  template <typename Call>
  auto offCore(Call call);

  RecorderChannel& channel_;
  Clock& clock_;
  Notifier& notifier_;
  const QByteArray& path_;
  Command state_ = None;
  bool alreadyRunning_ = false;
  bool launched_ = false;
  QString status_;
  // Changes at every start, so a stop resuming after its wait can tell that
  // a new announcement has taken the recorder over.
  std::uint64_t run_ = 0;
};

}  // namespace parlhora
