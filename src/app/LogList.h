#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "platform/Clock.h"

namespace parlhora {

/// The log list: "Log PIROLO" then time-stamped lines, at most kMaxLines in
/// all, rewritten to its file after every line. File failures are ignored
/// (the next line tries again). The clock must outlive it. Core thread only.
class LogList {
 public:
  static constexpr int kMaxLines = 2160;
  static constexpr const char* kHeader = "Log PIROLO";
  using Echo = std::function<void(const QString& line)>;

  LogList(const Clock& clock, QString filePath);

  /// Replaces the list by the file's lines (header kept first, cap applied);
  /// a missing or unreadable file leaves the list as it was.
  void load();
  /// Appends "<short date> <long time> <text>" and rewrites the file.
  void AppendLogLine(const QString& text);
  /// Each appended line also goes here, e.g. to standard output when headless.
  void setEcho(Echo echo) { echo_ = std::move(echo); }

  const QStringList& lines() const { return lines_; }
  const QString& filePath() const { return filePath_; }
  /// False when something other than a plain file (a FIFO, a device)
  /// stands at the path: it is neither read nor written, as opening it
  /// could block the program for good.
  bool fileUsable() const;

 private:
  void trim();
  void writeFile() const;

  const Clock& clock_;
  QString filePath_;
  QStringList lines_{QString::fromLatin1(kHeader)};
  Echo echo_;
};

}  // namespace parlhora
