#include "internet/DownloadToFile.h"

#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <algorithm>

#include "internet/NetworkSession.h"

namespace parlhora {

namespace {

constexpr qint64 kReadBuffer = 64 * 1024;

}  // namespace

DownloadToFile::DownloadToFile(QNetworkAccessManager& network, QObject* parent)
    : QObject(parent), network_(network) {
  stall_.setSingleShot(true);
  total_.setSingleShot(true);
  connect(&stall_, &QTimer::timeout, this, [this] { onTimeout(QStringLiteral("no progress")); });
  connect(&total_, &QTimer::timeout, this, [this] { onTimeout(QStringLiteral("took too long")); });
}

DownloadToFile::~DownloadToFile() { release(); }

void DownloadToFile::start(const QUrl& url, const QString& fileName) {
  abort();
  ++generation_;
  running_ = true;
  errorText_.clear();
  timeoutText_.clear();
  received_ = 0;
  tooLarge_ = false;
  if (QFile::exists(fileName) && !QFile::remove(fileName))
    return failLater(QStringLiteral("cannot delete ") + fileName);
  if (!url.isValid() || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https")))
    return failLater(QStringLiteral("not a web address"));
  target_ = fileName;
  file_ = std::make_unique<QFile>(fileName + QStringLiteral(".part"));
  if (!file_->open(QIODevice::WriteOnly | QIODevice::Truncate)) return failLater(file_->errorString());

  QNetworkRequest request(url);
  request.setHeader(QNetworkRequest::UserAgentHeader, NetworkSession::userAgent());
  request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
  request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
  request.setRawHeader("Cache-Control", "no-cache");
  request.setRawHeader("Pragma", "no-cache");
  request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
  request.setMaximumRedirectsAllowed(10);
  reply_ = network_.get(request);
  // Qt would otherwise buffer an endless answer in memory.
  reply_->setReadBufferSize(kReadBuffer);
  connect(reply_, &QNetworkReply::metaDataChanged, this, &DownloadToFile::onMetaData);
  connect(reply_, &QNetworkReply::readyRead, this, &DownloadToFile::onReadyRead);
  connect(reply_, &QNetworkReply::downloadProgress, this, [this] { stall_.start(timeouts_.stallMs); });
  connect(reply_, &QNetworkReply::finished, this, &DownloadToFile::onFinished);
  stall_.start(timeouts_.stallMs);
  total_.start(timeouts_.totalMs);
}

void DownloadToFile::abort() {
  if (!running_) return;
  errorText_ = QStringLiteral("aborted");
  last_ = Failed;
  release();
  running_ = false;
}

DownloadToFile::Status DownloadToFile::wait() {
  if (!running_) return last_;
  QEventLoop loop;
  connect(this, &DownloadToFile::finished, &loop, &QEventLoop::quit);
  loop.exec();
  return last_;
}

void DownloadToFile::onReadyRead() {
  if (!reply_ || !file_ || !reply_->isOpen() || tooLarge_ || !errorText_.isEmpty()) return;
  stall_.start(timeouts_.stallMs);
  while (reply_ && reply_->bytesAvailable() > 0) {
    const QByteArray chunk = reply_->read(std::min<qint64>(reply_->bytesAvailable(), kReadBuffer));
    if (received_ + chunk.size() > kMaxBytes) return refuseSize();
    received_ += chunk.size();
    if (file_->write(chunk) != chunk.size()) {
      errorText_ = file_->errorString();
      reply_->abort();  // finishes through onFinished
      return;
    }
  }
}

void DownloadToFile::onMetaData() {
  if (!reply_) return;
  bool known = false;
  const qint64 length = reply_->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
  if (known && length > kMaxBytes) refuseSize();
}

void DownloadToFile::refuseSize() {
  tooLarge_ = true;
  errorText_ = QStringLiteral("larger than %1 bytes").arg(kMaxBytes);
  // The partial body goes at once, not at the end of the answer.
  if (file_) {
    file_->close();
    file_->remove();
  }
  if (reply_) reply_->abort();  // finishes through onFinished
}

void DownloadToFile::onFinished() {
  if (!reply_) return;
  onReadyRead();
  if (!reply_) return;  // an abort in there has finished it already
  const int http = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  if (tooLarge_) return finish(TooLarge);
  if (!errorText_.isEmpty()) return finish(Failed);
  if (reply_->error() != QNetworkReply::NoError) {
    errorText_ = timeoutText_.isEmpty() ? reply_->errorString() : timeoutText_;
    return finish(Failed);
  }
  if (http != 0 && (http < 200 || http > 299)) {
    errorText_ = QStringLiteral("HTTP %1").arg(http);
    return finish(Failed);
  }
  if (!commit()) return finish(Failed);
  finish(Ok);
}

void DownloadToFile::onTimeout(const QString& why) {
  if (!reply_) return;
  timeoutText_ = QStringLiteral("time-out: ") + why;
  reply_->abort();
}

void DownloadToFile::failLater(const QString& why) {
  errorText_ = why;
  if (file_) file_->remove();
  file_.reset();
  // Callers may start from a handler of this object's own signal.
  QTimer::singleShot(0, this, [this, generation = generation_] {
    if (running_ && generation == generation_) finish(Failed);
  });
}

void DownloadToFile::finish(Status status) {
  release();
  running_ = false;
  last_ = status;
  emit finished(status);
}

bool DownloadToFile::commit() {
  if (!file_->flush()) {
    errorText_ = file_->errorString();
    return false;
  }
  file_->close();
  if (QFile::exists(target_) && !QFile::remove(target_)) {
    errorText_ = QStringLiteral("cannot replace ") + target_;
    return false;
  }
  if (!file_->rename(target_)) {
    errorText_ = file_->errorString();
    return false;
  }
  file_.reset();
  return true;
}

void DownloadToFile::release() {
  stall_.stop();
  total_.stop();
  if (reply_) {
    QNetworkReply* r = reply_;
    reply_ = nullptr;
    r->disconnect(this);
    r->abort();
    r->deleteLater();
  }
  if (file_) {
    file_->close();
    file_->remove();
    file_.reset();
  }
}

}  // namespace parlhora
