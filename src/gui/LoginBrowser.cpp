#include "gui/LoginBrowser.h"

#include <unistd.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibrary>
#include <QNetworkCookieJar>
#include <QVBoxLayout>

namespace parlhora {

namespace {

using MakeView = QWidget* (*)(QNetworkCookieJar*, QWidget*);

#ifdef PARLHORA_WEBENGINE
// Beside the program in a build tree (the tests one folder below it), or
// where the package installs it.
QStringList moduleCandidates() {
  const QString here = QCoreApplication::applicationDirPath();
  const QString name = QStringLiteral("parlhora-loginview.so");
  return {QDir(here).filePath(name), QDir(here).filePath(QStringLiteral("../") + name),
          QStringLiteral(PARLHORA_MODULE_DIR "/") + name};
}
#endif

// Loaded once, at the first log-in, and kept: the engine cannot be
// unloaded while the process lives.
MakeView factory() {
  static MakeView make = [] {
    MakeView found = nullptr;
#ifdef PARLHORA_WEBENGINE
    for (const QString& path : moduleCandidates()) {
      if (!QFile::exists(path)) continue;
      auto* library = new QLibrary(path);
      found = reinterpret_cast<MakeView>(library->resolve("parlhora_make_login_view"));
      if (found) break;
      qWarning("log-in browser: %s", qPrintable(library->errorString()));
      delete library;
    }
#endif
    return found;
  }();
  return make;
}

}  // namespace

bool LoginBrowser::available() { return factory() != nullptr; }

void LoginBrowser::prepareProcess() {
#ifdef PARLHORA_WEBENGINE
  // What the engine needs before the application object exists, since it
  // comes later as a module.
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
#endif
}

LoginBrowser::LoginBrowser(QNetworkCookieJar& jar, QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  if (MakeView make = factory()) view_ = make(&jar, this);
  if (!view_) return;
  layout->addWidget(view_);
  connect(view_, SIGNAL(pageLoaded(bool)), this, SIGNAL(pageLoaded(bool)));
}

LoginBrowser::~LoginBrowser() = default;

void LoginBrowser::open(const QUrl& url) {
  if (view_) QMetaObject::invokeMethod(view_, "open", Q_ARG(QUrl, url));
}

void LoginBrowser::stop() {
  if (view_) QMetaObject::invokeMethod(view_, "stop");
}

}  // namespace parlhora
