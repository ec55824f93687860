#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>

class QNetworkCookieJar;

namespace parlhora {

/// The program's one network access point: the manager every download goes
/// through and the cookie jar it shares with the APRS log-in browser. Core
/// thread only; outlives every download made through it.
class NetworkSession : public QObject {
  Q_OBJECT

 public:
  explicit NetworkSession(QObject* parent = nullptr);

  QNetworkAccessManager& manager() { return manager_; }
  /// Owned by the manager; a log-in browser copies its cookies in here.
  QNetworkCookieJar& cookies() { return *manager_.cookieJar(); }
  /// "Parlhora/<version>": services that ask for an honest agent get one.
  static QByteArray userAgent();

 private:
  QNetworkAccessManager manager_;
};

}  // namespace parlhora
