#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class TFormMeteoMETAR;
}

namespace parlhora {

/// The METAR window (" METAR-Wetterdaten"). Layout and captions
/// come from resources/forms/TFormMeteoMETAR.ui; the source's behaviour binds here.
/// Main thread only.
class TFormMeteoMETAR : public QWidget {
  Q_OBJECT

 public:
  explicit TFormMeteoMETAR(QWidget* parent = nullptr);
  ~TFormMeteoMETAR() override;
  TFormMeteoMETAR(const TFormMeteoMETAR&) = delete;
  TFormMeteoMETAR& operator=(const TFormMeteoMETAR&) = delete;

 private:
  std::unique_ptr<Ui::TFormMeteoMETAR> ui_;
};

}  // namespace parlhora
