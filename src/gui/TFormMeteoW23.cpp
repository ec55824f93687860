#include "gui/TFormMeteoW23.h"

#include "ui_TFormMeteoW23.h"

namespace parlhora {

TFormMeteoW23::TFormMeteoW23(QWidget* parent) : QWidget(parent), ui_(std::make_unique<Ui::TFormMeteoW23>()) {
  ui_->setupUi(this);
}

TFormMeteoW23::~TFormMeteoW23() = default;

}  // namespace parlhora
