#pragma once

#include <QUrl>
#include <QWidget>

class QNetworkCookieJar;

namespace parlhora {

/// The embedded browser the user logs in with at the APRS service
/// (WebBrowser1). Every cookie it receives or drops is mirrored into the
/// downloads' jar, so pages fetched afterwards carry the session. Exists
/// only in builds with a web engine, whose module is loaded at the first
/// call of available() or the first browser made: call neither before the
/// user asks to log in. Main thread only; the jar outlives the browser.
class LoginBrowser : public QWidget {
  Q_OBJECT

 public:
  /// False in a build without a web engine, or when its module cannot be
  /// loaded: no browser can be made.
  static bool available();
  /// Before the application object: the engine's sandbox cannot run for
  /// root, so it is switched off there (the log-in page is the one page
  /// it ever shows).
  static void prepareProcess();

  LoginBrowser(QNetworkCookieJar& jar, QWidget* parent = nullptr);
  ~LoginBrowser() override;

  void open(const QUrl& url);
  void stop();

 signals:
  /// The document-complete event; `ok` false for a page that failed.
  void pageLoaded(bool ok);

 private:
  QWidget* view_ = nullptr;  // the module's view, a child
};

}  // namespace parlhora
