#include "gui/LoginBrowser.h"

#include <QNetworkCookieJar>
#include <QVBoxLayout>

#ifdef PARLHORA_WEBENGINE
#include <unistd.h>
#include <QWebEngineCookieStore>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>
#endif

namespace parlhora {

#ifdef PARLHORA_WEBENGINE

struct LoginBrowser::Engine {
  QWebEngineProfile* profile;
  QWebEngineView* view;
};

bool LoginBrowser::available() { return true; }

void LoginBrowser::prepareProcess() {
  if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

LoginBrowser::LoginBrowser(QNetworkCookieJar& jar, QWidget* parent) : QWidget(parent) {
  // The view (and its page) is made first so that it is deleted before the
  // profile, as the engine requires. A named profile keeps the log-in
  // across program starts.
  auto* view = new QWebEngineView(this);
  auto* profile = new QWebEngineProfile(QStringLiteral("parlhora"), this);
  view->setObjectName(QStringLiteral("WebBrowser1"));
  view->setPage(new QWebEnginePage(profile, view));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view);
  QWebEngineCookieStore* store = profile->cookieStore();
  connect(store, &QWebEngineCookieStore::cookieAdded, this, [&jar](const QNetworkCookie& c) {
    if (!jar.updateCookie(c)) jar.insertCookie(c);
  });
  connect(store, &QWebEngineCookieStore::cookieRemoved, this,
          [&jar](const QNetworkCookie& c) { jar.deleteCookie(c); });
  store->loadAllCookies();
  connect(view, &QWebEngineView::loadFinished, this, &LoginBrowser::pageLoaded);
  engine_ = new Engine{profile, view};
}

LoginBrowser::~LoginBrowser() { delete engine_; }

void LoginBrowser::open(const QUrl& url) { engine_->view->load(url); }

void LoginBrowser::stop() { engine_->view->stop(); }

#else

struct LoginBrowser::Engine {};

bool LoginBrowser::available() { return false; }

void LoginBrowser::prepareProcess() {}

LoginBrowser::LoginBrowser(QNetworkCookieJar& jar, QWidget* parent) : QWidget(parent) { (void)jar; }

LoginBrowser::~LoginBrowser() = default;

void LoginBrowser::open(const QUrl& url) { (void)url; }

void LoginBrowser::stop() {}

#endif

}  // namespace parlhora
