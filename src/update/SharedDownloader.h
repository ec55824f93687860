#pragma once

#include <QMetaObject>

#include "internet/DownloadToFile.h"
#include "update/Downloader.h"

class QNetworkAccessManager;

namespace parlhora {

/// The version check's fetch through the program's download routine, on
/// the shared network session. It has its own DownloadToFile: a new start
/// aborts whatever that one is fetching, and the sources' downloads must not
/// be cut short by a version lookup. Core thread only.
class SharedDownloader final : public Downloader {
 public:
  explicit SharedDownloader(QNetworkAccessManager& network) : download_(network) {}
  SharedDownloader(const SharedDownloader&) = delete;
  SharedDownloader& operator=(const SharedDownloader&) = delete;

  void fetch(const QUrl& url, const QString& file, Done done) override {
    QObject::disconnect(connection_);
    connection_ = QObject::connect(&download_, &DownloadToFile::finished,
                                   [this, done = std::move(done)](DownloadToFile::Status status) {
                                     QObject::disconnect(connection_);
                                     done(status == DownloadToFile::Ok ? 0 : 1);
                                   });
    download_.start(url, file);
  }

 private:
  DownloadToFile download_;
  QMetaObject::Connection connection_;
};

}  // namespace parlhora
