#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class TFormMeteoW28;
}

namespace parlhora {

/// The WS-28xx history file window ("Lacrosse WS-2800 / 3610+"). Layout and captions
/// come from resources/forms/TFormMeteoW28.ui; the source's behaviour binds here.
/// Main thread only.
class TFormMeteoW28 : public QWidget {
  Q_OBJECT

 public:
  explicit TFormMeteoW28(QWidget* parent = nullptr);
  ~TFormMeteoW28() override;
  TFormMeteoW28(const TFormMeteoW28&) = delete;
  TFormMeteoW28& operator=(const TFormMeteoW28&) = delete;

 private:
  std::unique_ptr<Ui::TFormMeteoW28> ui_;
};

}  // namespace parlhora
