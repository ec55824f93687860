#include "gui/TFormMeteo.h"

#include "ui_TFormMeteo.h"

namespace parlhora {

TFormMeteo::TFormMeteo(QWidget* parent) : QWidget(parent), ui_(std::make_unique<Ui::TFormMeteo>()) {
  ui_->setupUi(this);
}

TFormMeteo::~TFormMeteo() = default;

}  // namespace parlhora
