#pragma once

#include <QUrl>
#include <QWidget>
#include <functional>
#include <memory>

namespace Ui {
class TFormInfo;
}

namespace parlhora {

class VersionCheck;

/// The about box ("Info"): name and version, the author line, the link to
/// the site (opens in the desktop's browser) and the version check. Layout
/// and captions come from resources/forms/TFormInfo.ui. Main thread only.
class TFormInfo : public QWidget {
  Q_OBJECT

 public:
  explicit TFormInfo(VersionCheck& check, QWidget* parent = nullptr);
  ~TFormInfo() override;
  TFormInfo(const TFormInfo&) = delete;
  TFormInfo& operator=(const TFormInfo&) = delete;

  /// Label1: "PARLHORA V" + version.
  void setVersion(const QString& version);

  /// Opens the site's address; the desktop's opener unless a test replaces it.
  std::function<bool(const QUrl&)> openUrl;

 signals:
  void logLine(const QString& text);  // the site could not be opened

 private:
  void showNotice(const QString& text, bool warning);
  void openLink(const QString& address);

  std::unique_ptr<Ui::TFormInfo> ui_;
};

}  // namespace parlhora
