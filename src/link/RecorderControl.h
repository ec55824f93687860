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
/// Core thread only. Waits go through Clock::waitMs, so events (and a new
/// announcement) may run inside start() and stopAndClose(). Borrows the
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

  RecorderControl(RecorderChannel& channel, Clock& clock, Notifier& notifier, const QByteArray& path,
                  QObject* parent = nullptr);

  /// The start of an announcement (with `MenuRecord` checked).
  void start();
  /// The normal end of an announcement (with `MenuRecord` checked).
  void stopAndClose();
  /// Sends the current command and shows the result.
  void sendCommand();

  Command state() const { return state_; }
  bool alreadyRunning() const { return alreadyRunning_; }
  const QString& status() const { return status_; }

  /// Failures also go to the log, where they are seen without windows.
  std::function<void(const QString&)> logLine;

 signals:
  void statusChanged(const QString& text);

 private:
  void setStatus(const QString& text, bool failure);

  RecorderChannel& channel_;
  Clock& clock_;
  Notifier& notifier_;
  const QByteArray& path_;
  Command state_ = None;
  bool alreadyRunning_ = false;
  QString status_;
  // Changes at every start, so a stop resuming after its wait can tell that
  // a new announcement has taken the recorder over.
  std::uint64_t run_ = 0;
};

}  // namespace parlhora
