#pragma once

#include <QUrl>
#include <QWidget>

class QNetworkCookieJar;
class QWebEngineView;

namespace parlhora {

/// The web engine behind the log-in browser, in a module of its own that
/// the program loads only when the user first asks to log in: the engine
/// maps about 80 MiB that an unattended program should not carry for
/// months. Mirrors every cookie of its profile into `jar`. Reached from the
/// program through the exported factory below and its slots and signal by
/// name. Main thread only; the jar outlives the view.
class LoginView : public QWidget {
  Q_OBJECT

 public:
  LoginView(QNetworkCookieJar& jar, QWidget* parent);

 public slots:
  void open(const QUrl& url);
  void stop();

 signals:
  void pageLoaded(bool ok);

 private:
  QWebEngineView* view_ = nullptr;
};

}  // namespace parlhora

/// The module's one entry point, resolved by name.
extern "C" Q_DECL_EXPORT QWidget* parlhora_make_login_view(QNetworkCookieJar* jar, QWidget* parent);
