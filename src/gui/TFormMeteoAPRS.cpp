#include "gui/TFormMeteoAPRS.h"

#include "ui_TFormMeteoAPRS.h"

namespace parlhora {

TFormMeteoAPRS::TFormMeteoAPRS(QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::TFormMeteoAPRS>()) {
  ui_->setupUi(this);
}

TFormMeteoAPRS::~TFormMeteoAPRS() = default;

}  // namespace parlhora
