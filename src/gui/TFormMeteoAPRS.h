#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class TFormMeteoAPRS;
}

namespace parlhora {

/// The APRS weather window ("APRS-Wetterdaten"). Layout and captions
/// come from resources/forms/TFormMeteoAPRS.ui; the source's behaviour binds here.
/// Main thread only.
class TFormMeteoAPRS : public QWidget {
  Q_OBJECT

 public:
  explicit TFormMeteoAPRS(QWidget* parent = nullptr);
  ~TFormMeteoAPRS() override;
  TFormMeteoAPRS(const TFormMeteoAPRS&) = delete;
  TFormMeteoAPRS& operator=(const TFormMeteoAPRS&) = delete;

 private:
  std::unique_ptr<Ui::TFormMeteoAPRS> ui_;
};

}  // namespace parlhora
