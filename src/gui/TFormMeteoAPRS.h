#pragma once

#include <QUrl>
#include <QWidget>
#include <memory>

namespace Ui {
class TFormMeteoAPRS;
}

class QLabel;

namespace parlhora {

class AprsSource;
class LoginBrowser;
class NetworkSession;

/// The APRS window ("APRS-Wetterdaten"), a view of an AprsSource and of its
/// APRS_ settings model. ButtonLogin shows the log-in browser (made at the
/// first press, so the engine costs nothing until then), whose cookies go
/// into `network`'s jar; a build without a web engine opens the log-in
/// page in the desktop's browser instead. Main thread only; the source and
/// the session outlive the window.
class TFormMeteoAPRS : public QWidget {
  Q_OBJECT

 public:
  TFormMeteoAPRS(AprsSource& source, NetworkSession& network, QWidget* parent = nullptr);
  ~TFormMeteoAPRS() override;
  TFormMeteoAPRS(const TFormMeteoAPRS&) = delete;
  TFormMeteoAPRS& operator=(const TFormMeteoAPRS&) = delete;

  /// Sets every control from the settings model (after loading the file).
  void loadFromModel();
  /// The page ButtonLogin opens: the service's log-in page unless a test
  /// points it at a local server.
  void setLoginPage(const QUrl& url) { loginPage_ = url; }

 signals:
  void favouritesRequested();
  void closed();
  void logLine(const QString& text);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void connectControls();
  void showReadings();
  void showHistory();
  void loginClicked();
  void hideBrowser();
  void browse();

  std::unique_ptr<Ui::TFormMeteoAPRS> ui_;
  AprsSource& source_;
  NetworkSession& network_;
  QUrl loginPage_;
  LoginBrowser* browser_ = nullptr;  // made at the first log-in; owned by the window's layout
  QLabel* loginNote_ = nullptr;
  int normalHeight_ = 0;
};

}  // namespace parlhora
