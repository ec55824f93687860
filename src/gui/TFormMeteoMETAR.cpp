#include "gui/TFormMeteoMETAR.h"

#include "ui_TFormMeteoMETAR.h"

namespace parlhora {

TFormMeteoMETAR::TFormMeteoMETAR(QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::TFormMeteoMETAR>()) {
  ui_->setupUi(this);
}

TFormMeteoMETAR::~TFormMeteoMETAR() = default;

}  // namespace parlhora
