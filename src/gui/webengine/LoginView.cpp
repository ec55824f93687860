#include "gui/webengine/LoginView.h"

#include <QNetworkCookieJar>
#include <QVBoxLayout>
#include <QWebEngineCookieStore>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace parlhora {

LoginView::LoginView(QNetworkCookieJar& jar, QWidget* parent) : QWidget(parent) {
  // The view (and its page) is made first so that it is deleted before the
  // profile, as the engine requires. A named profile keeps the log-in
  // across program starts.
  view_ = new QWebEngineView(this);
  auto* profile = new QWebEngineProfile(QStringLiteral("parlhora"), this);
  view_->setObjectName(QStringLiteral("WebBrowser1"));
  view_->setPage(new QWebEnginePage(profile, view_));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_);
  QWebEngineCookieStore* store = profile->cookieStore();
  connect(store, &QWebEngineCookieStore::cookieAdded, this, [&jar](const QNetworkCookie& c) {
    if (!jar.updateCookie(c)) jar.insertCookie(c);
  });
  connect(store, &QWebEngineCookieStore::cookieRemoved, this,
          [&jar](const QNetworkCookie& c) { jar.deleteCookie(c); });
  store->loadAllCookies();
  connect(view_, &QWebEngineView::loadFinished, this, &LoginView::pageLoaded);
}

void LoginView::open(const QUrl& url) { view_->load(url); }

void LoginView::stop() { view_->stop(); }

}  // namespace parlhora

QWidget* parlhora_make_login_view(QNetworkCookieJar* jar, QWidget* parent) {
  return new parlhora::LoginView(*jar, parent);
}
