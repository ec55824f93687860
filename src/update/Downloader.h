#pragma once

#include <QString>
#include <QUrl>
#include <functional>

namespace parlhora {

/// Fetches one URL into a local file without blocking the event loop.
/// Core thread only.
class Downloader {
 public:
  /// 0 = the whole answer is in the file; anything else = failed, no file.
  using Done = std::function<void(int status)>;

  virtual ~Downloader() = default;
  /// Replaces `file` with the body of `url`. `done` runs exactly once, later
  /// on the core thread (never from inside fetch), also when the start fails.
  virtual void fetch(const QUrl& url, const QString& file, Done done) = 0;
};

}  // namespace parlhora
