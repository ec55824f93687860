#pragma once

#include <QWidget>
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

 private:
  void showNotice(const QString& text, bool warning);

  std::unique_ptr<Ui::TFormInfo> ui_;
};

}  // namespace parlhora
