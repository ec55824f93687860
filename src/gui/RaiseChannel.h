#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>
#include <functional>

namespace parlhora {

/// Lets a second start on the same program folder bring the running
/// program's main window forward instead of starting twice. The running
/// program listens (listen); the second one knocks (knock) and leaves.
/// GUI thread only.
class RaiseChannel final : public QObject {
 public:
  /// The local socket name for `programFolder` (one per folder and user).
  static QString nameFor(const QString& programFolder);
  /// Asks the program running on `programFolder` to show its window;
  /// false if nobody answered within `timeoutMs`.
  static bool knock(const QString& programFolder, int timeoutMs = 2000);

  /// Calls `raise` whenever a second start knocks.
  void listen(const QString& programFolder, std::function<void()> raise);

 private:
  QLocalServer server_;
  std::function<void()> raise_;
};

}  // namespace parlhora
