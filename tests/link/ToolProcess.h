#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <functional>

namespace parlhora {

/// Runs events until `done` holds or `ms` pass; returns `done()`.
inline bool runEventsUntil(const std::function<bool()>& done, int ms) {
  QDeadlineTimer deadline(ms);
  while (!done()) {
    if (deadline.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return true;
}

/// One of the helper programs under tools/, run beside the test's event
/// loop and collected with its output.
class ToolProcess {
 public:
  static QString path(const QString& tool) {
    return QStringLiteral(PARLHORA_BINARY_DIR "/tools/%1/%1").arg(tool);
  }

  ToolProcess(const QString& tool, const QStringList& arguments) {
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.start(path(tool), arguments);
    process_.waitForStarted(5000);
  }
  ~ToolProcess() {
    if (process_.state() != QProcess::NotRunning) {
      process_.kill();
      process_.waitForFinished(5000);
    }
  }

  /// Keeps the test's events running while the tool works.
  bool finish(int ms) {
    runEventsUntil([this] { return process_.state() == QProcess::NotRunning; }, ms);
    return process_.state() == QProcess::NotRunning;
  }
  bool saw(const QString& text) {
    output_ += process_.readAll();
    return QString::fromLocal8Bit(output_).contains(text);
  }
  bool waitFor(const QString& text, int ms) {
    return runEventsUntil([&] { return saw(text); }, ms);
  }
  QString output() {
    output_ += process_.readAll();
    return QString::fromLocal8Bit(output_);
  }
  int exitCode() const { return process_.exitCode(); }
  bool running() const { return process_.state() != QProcess::NotRunning; }
  void kill() {
    process_.kill();
    process_.waitForFinished(5000);
  }

 private:
  QProcess process_;
  QByteArray output_;
};

/// A name no other test run uses at the same time.
inline QString uniqueSuffix() {
  static int next = 0;
  return QStringLiteral("-test-%1-%2").arg(QCoreApplication::applicationPid()).arg(++next);
}

}  // namespace parlhora
