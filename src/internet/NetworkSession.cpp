#include "internet/NetworkSession.h"

#include <QNetworkCookieJar>

#include "app/Version.h"

namespace parlhora {

NetworkSession::NetworkSession(QObject* parent) : QObject(parent) {
  manager_.setCookieJar(new QNetworkCookieJar(&manager_));
  // Reports change every half hour; nothing is ever served from a cache.
  manager_.setCache(nullptr);
  manager_.setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
}

QByteArray NetworkSession::userAgent() { return QByteArray("Parlhora/") + kVersion; }

}  // namespace parlhora
