#include "gui/TFormMyUnits.h"

#include "ui_TFormMyUnits.h"

namespace parlhora {

TFormMyUnits::TFormMyUnits(QWidget* parent) : QWidget(parent), ui_(std::make_unique<Ui::TFormMyUnits>()) {
  ui_->setupUi(this);
}

TFormMyUnits::~TFormMyUnits() = default;

}  // namespace parlhora
