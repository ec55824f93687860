#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class TFormInfo;
}

namespace parlhora {

/// The about box ("Info"). Layout and captions
/// come from resources/forms/TFormInfo.ui; the source's behaviour binds here.
/// Main thread only.
class TFormInfo : public QWidget {
  Q_OBJECT

 public:
  explicit TFormInfo(QWidget* parent = nullptr);
  ~TFormInfo() override;
  TFormInfo(const TFormInfo&) = delete;
  TFormInfo& operator=(const TFormInfo&) = delete;

  /// Label1: "PARLHORA V" + version.
  void setVersion(const QString& version);

 private:
  std::unique_ptr<Ui::TFormInfo> ui_;
};

}  // namespace parlhora
