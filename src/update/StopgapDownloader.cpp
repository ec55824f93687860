#include "update/StopgapDownloader.h"

#include <QFile>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QTimer>

namespace parlhora {

namespace {
// Enough for any version list or report page; a larger answer is not one.
constexpr qint64 kMaxBytes = 4 * 1024 * 1024;
}  // namespace

StopgapDownloader::~StopgapDownloader() {
  // An aborted reply still reports finished; its `done` may belong to an
  // object that is already gone.
  for (QNetworkReply* reply : network_.findChildren<QNetworkReply*>()) {
    QObject::disconnect(reply, nullptr, nullptr, nullptr);
    reply->abort();
  }
}

void StopgapDownloader::fetch(const QUrl& url, const QString& file, Done done) {
  QFile::remove(file);
  if (!url.isValid() || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https"))) {
    QTimer::singleShot(0, &network_, [done] { done(1); });
    return;
  }
  QNetworkRequest request(url);
  request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
  request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
  request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
  request.setTransferTimeout(kTimeoutMs);
  QNetworkReply* reply = network_.get(request);
  QObject::connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64) {
    if (received > kMaxBytes) reply->abort();
  });
  QObject::connect(reply, &QNetworkReply::finished, reply, [reply, file, done] {
    reply->deleteLater();
    const int http = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() != QNetworkReply::NoError || http < 200 || http > 299) {
      done(1);
      return;
    }
    // Written under a temporary name, so a failed write leaves no half file.
    QSaveFile out(file);
    const QByteArray body = reply->readAll();
    const bool saved = out.open(QIODevice::WriteOnly) && out.write(body) == body.size() && out.commit();
    done(saved ? 0 : 1);
  });
}

}  // namespace parlhora
