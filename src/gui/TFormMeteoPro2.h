#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class TFormMeteoPro2;
}

namespace parlhora {

/// The Vantage Pro2 data file window ("Vantage Pro2 Wetterstation"). Layout and captions
/// come from resources/forms/TFormMeteoPro2.ui; the source's behaviour binds here.
/// Main thread only.
class TFormMeteoPro2 : public QWidget {
  Q_OBJECT

 public:
  explicit TFormMeteoPro2(QWidget* parent = nullptr);
  ~TFormMeteoPro2() override;
  TFormMeteoPro2(const TFormMeteoPro2&) = delete;
  TFormMeteoPro2& operator=(const TFormMeteoPro2&) = delete;

 private:
  std::unique_ptr<Ui::TFormMeteoPro2> ui_;
};

}  // namespace parlhora
