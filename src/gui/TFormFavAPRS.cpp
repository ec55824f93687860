#include "gui/TFormFavAPRS.h"

#include "ui_TFormFavAPRS.h"

namespace parlhora {

TFormFavAPRS::TFormFavAPRS(Slots& model, QWidget* parent)
    : FavouriteWindow(model, parent), ui_(std::make_unique<Ui::TFormFavAPRS>()) {
  ui_->setupUi(this);
  bind({ui_->Edit1, ui_->Edit2, ui_->Edit3, ui_->Edit4, ui_->Edit5, ui_->Edit6, ui_->Edit7, ui_->Edit8,
        ui_->Edit9, ui_->Edit10},
       {ui_->Button1, ui_->Button2, ui_->Button3, ui_->Button4, ui_->Button5, ui_->Button6, ui_->Button7,
        ui_->Button8, ui_->Button9, ui_->Button10});
}

TFormFavAPRS::~TFormFavAPRS() = default;

}  // namespace parlhora
