#include "internet/NetworkSession.h"

#include <QNetworkCookieJar>

namespace parlhora {

NetworkSession::NetworkSession(QObject* parent) : QObject(parent) {
  manager_.setCookieJar(new QNetworkCookieJar(&manager_));
  // Reports change every half hour; nothing is ever served from a cache.
  manager_.setCache(nullptr);
  manager_.setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
}

// The build gives the version, so no core folder reaches up into the app.
QByteArray NetworkSession::userAgent() { return QByteArrayLiteral("Parlhora/" PARLHORA_VERSION); }

}  // namespace parlhora
