#include "gui/TFormFavAPRS.h"

#include "ui_TFormFavAPRS.h"

namespace parlhora {

TFormFavAPRS::TFormFavAPRS(QWidget* parent) : QWidget(parent), ui_(std::make_unique<Ui::TFormFavAPRS>()) {
  ui_->setupUi(this);
}

TFormFavAPRS::~TFormFavAPRS() = default;

}  // namespace parlhora
