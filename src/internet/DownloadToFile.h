#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <memory>

class QNetworkAccessManager;
class QNetworkReply;
class QFile;

namespace parlhora {

/// Fetches one URL into a local file without blocking the event loop. The
/// target is deleted first and only a complete answer (HTTP 2xx, not
/// aborted) ever becomes the file: the body goes to a temporary name that
/// is renamed at the end. Redirects are followed, certificates checked,
/// nothing is cached. A download that makes no progress for `stallMs` or
/// lasts longer than `totalMs` fails; one that announces or delivers more
/// than kMaxBytes is cut off there (TooLarge), and its partial body deleted.
/// Core thread only.
class DownloadToFile : public QObject {
  Q_OBJECT

 public:
  enum Status { Ok = 0, Failed = 1, TooLarge = 2 };
  Q_ENUM(Status)
  /// Every page, report and version list the program fetches is far
  /// smaller; anything larger is not what was asked for.
  static constexpr qint64 kMaxBytes = 8 * 1024 * 1024;
  struct Timeouts {
    int stallMs = 30000;
    int totalMs = 120000;
  };

  /// `network` (usually NetworkSession::manager()) must outlive this object.
  explicit DownloadToFile(QNetworkAccessManager& network, QObject* parent = nullptr);
  ~DownloadToFile() override;
  DownloadToFile(const DownloadToFile&) = delete;
  DownloadToFile& operator=(const DownloadToFile&) = delete;

  void setTimeouts(Timeouts t) { timeouts_ = t; }

  /// Starts fetching `url` into `fileName`; a running download is aborted
  /// first (without its finished signal). `finished` follows later, never
  /// from inside start(), even when the start itself fails.
  void start(const QUrl& url, const QString& fileName);
  bool running() const { return running_; }
  /// Ends a running download as failed, without its finished signal.
  void abort();
  /// Runs a local event loop until the download has finished; returns its
  /// status (Ok at once when none is running). For command-line callers.
  Status wait();
  /// Why the last download failed; empty after success.
  QString errorText() const { return errorText_; }

 signals:
  /// The download ended: Ok with the file in place, or Failed / TooLarge
  /// with no file.
  void finished(parlhora::DownloadToFile::Status status);

 private:
  void onReadyRead();
  void onMetaData();
  void refuseSize();
  void onFinished();
  void onTimeout(const QString& why);
  void failLater(const QString& why);
  void finish(Status status);
  bool commit();
  void release();

  QNetworkAccessManager& network_;
  Timeouts timeouts_;
  QPointer<QNetworkReply> reply_;
  std::unique_ptr<QFile> file_;  // the body under a temporary name
  QString target_;
  QTimer stall_;
  QTimer total_;
  qint64 received_ = 0;
  bool running_ = false;
  bool tooLarge_ = false;
  QString timeoutText_;
  QString errorText_;
  Status last_ = Ok;
  quint64 generation_ = 0;  // tells a stale deferred failure from the current one
};

}  // namespace parlhora
