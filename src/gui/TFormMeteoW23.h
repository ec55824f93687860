#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class TFormMeteoW23;
}

namespace parlhora {

/// The WS-23xx history file window ("Lacrosse WS-2310 / 2315 / 2355+"). Layout and captions
/// come from resources/forms/TFormMeteoW23.ui; the source's behaviour binds here.
/// Main thread only.
class TFormMeteoW23 : public QWidget {
  Q_OBJECT

 public:
  explicit TFormMeteoW23(QWidget* parent = nullptr);
  ~TFormMeteoW23() override;
  TFormMeteoW23(const TFormMeteoW23&) = delete;
  TFormMeteoW23& operator=(const TFormMeteoW23&) = delete;

 private:
  std::unique_ptr<Ui::TFormMeteoW23> ui_;
};

}  // namespace parlhora
