#include "gui/LoginBrowser.h"

#include <unistd.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibrary>
#include <QNetworkCookieJar>
#include <QVBoxLayout>

#ifdef PARLHORA_WEBENGINE
#include <QOpenGLContext>
// Exported by QtGui for this purpose (its web engines use them), declared
// only in its private headers.
Q_GUI_EXPORT QOpenGLContext* qt_gl_global_share_context();
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);
#endif

namespace parlhora {

namespace {

using MakeView = QWidget* (*)(QNetworkCookieJar*, QWidget*);

#ifdef PARLHORA_WEBENGINE
// The engine renders through OpenGL contexts shared with a global one. Qt
// makes that one at start when asked before the application object, and so
// loads the GL driver into every program; made here it costs only those who
// log in.
void shareContexts() {
  if (qt_gl_global_share_context()) return;
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  auto* context = new QOpenGLContext(QCoreApplication::instance());
  context->create();
  qt_gl_set_global_share_context(context);
}

// Beside the program in a build tree (the tests one folder below it), or
// where the package installs it, relative to the program whatever the prefix.
QStringList moduleCandidates() {
  const QString here = QCoreApplication::applicationDirPath();
  const QString name = QStringLiteral("parlhora-loginview.so");
  return {QDir(here).filePath(name), QDir(here).filePath(QStringLiteral("../") + name),
          QDir(here).filePath(QStringLiteral("../" PARLHORA_MODULE_DIR "/") + name)};
}
#endif

// Loaded once, at the first log-in, and kept: the engine cannot be
// unloaded while the process lives.
MakeView factory() {
  static MakeView make = [] {
    MakeView found = nullptr;
#ifdef PARLHORA_WEBENGINE
    shareContexts();
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
