#include "gui/TFormMeteoW28.h"

#include "ui_TFormMeteoW28.h"

namespace parlhora {

TFormMeteoW28::TFormMeteoW28(QWidget* parent) : QWidget(parent), ui_(std::make_unique<Ui::TFormMeteoW28>()) {
  ui_->setupUi(this);
}

TFormMeteoW28::~TFormMeteoW28() = default;

}  // namespace parlhora
