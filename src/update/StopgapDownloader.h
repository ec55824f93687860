#pragma once

#include <QNetworkAccessManager>

#include "update/Downloader.h"

namespace parlhora {

/// A minimal Downloader on QNetworkAccessManager, standing in until the
/// program's shared download routine takes its place: no cache, redirects
/// followed, a stalled transfer ends after `kTimeoutMs`, and only a complete
/// 2xx answer becomes the file. Core thread only.
class StopgapDownloader : public Downloader {
 public:
  static constexpr int kTimeoutMs = 30000;

  StopgapDownloader() = default;
  /// Pending fetches end without calling their `done`.
  ~StopgapDownloader() override;
  StopgapDownloader(const StopgapDownloader&) = delete;
  StopgapDownloader& operator=(const StopgapDownloader&) = delete;

  void fetch(const QUrl& url, const QString& file, Done done) override;

 private:
  QNetworkAccessManager network_;
};

}  // namespace parlhora
