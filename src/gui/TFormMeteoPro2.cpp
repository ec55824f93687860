#include "gui/TFormMeteoPro2.h"

#include "ui_TFormMeteoPro2.h"

namespace parlhora {

TFormMeteoPro2::TFormMeteoPro2(QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::TFormMeteoPro2>()) {
  ui_->setupUi(this);
}

TFormMeteoPro2::~TFormMeteoPro2() = default;

}  // namespace parlhora
