#pragma once

#include <QFile>
#include <QFileInfo>
#include <QString>
#include <optional>

namespace parlhora {

/// Opens a station file for one read. Only regular files: opening a FIFO
/// would wait for a writer, and a directory has no records.
class StationFile {
 public:
  static constexpr int kAttempts = 3;

  /// Runs `read(QIODevice&)` on a fresh open of `path` until it gives a
  /// value, at most kAttempts times: a file the station software is just
  /// rewriting reads torn for a moment. nullopt when it never does or the
  /// file cannot be opened.
  template <typename Read>
  static auto read(const QString& path, Read read) -> decltype(read(std::declval<QIODevice&>())) {
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
      if (!QFileInfo(path).isFile()) return std::nullopt;
      QFile file(path);
      if (!file.open(QIODevice::ReadOnly) || file.isSequential()) return std::nullopt;
      if (auto value = read(file)) return value;
    }
    return std::nullopt;
  }

  /// Nothing at all is there: the refresh quietly does nothing.
  static bool missing(const QString& path) {
    const QFileInfo info(path);
    return !info.exists() && !info.isSymLink();
  }
};

}  // namespace parlhora
