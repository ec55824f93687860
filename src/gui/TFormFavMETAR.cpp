#include "gui/TFormFavMETAR.h"

#include "ui_TFormFavMETAR.h"

namespace parlhora {

TFormFavMETAR::TFormFavMETAR(QWidget* parent) : QWidget(parent), ui_(std::make_unique<Ui::TFormFavMETAR>()) {
  ui_->setupUi(this);
}

TFormFavMETAR::~TFormFavMETAR() = default;

}  // namespace parlhora
