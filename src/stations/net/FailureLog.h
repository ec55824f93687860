#pragma once

#include <QHash>
#include <QString>
#include <cstdint>
#include <functional>

namespace parlhora {

/// Logs each kind of failure at most once a minute, so a flood of bad
/// uploads cannot fill the log. Times are monotonic milliseconds.
class FailureLog {
 public:
  static constexpr std::int64_t kQuietMs = 60000;

  explicit FailureLog(std::function<void(const QString&)> log) : log_(std::move(log)) {}

  /// Logs `line` unless a failure of `kind` was logged less than a minute
  /// before `nowMs`; true when logged.
  bool report(const QString& kind, const QString& line, std::int64_t nowMs);

 private:
  std::function<void(const QString&)> log_;
  QHash<QString, std::int64_t> last_;
};

}  // namespace parlhora
