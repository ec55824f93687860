#include "gui/TFormChoixMeteo.h"

#include "ui_TFormChoixMeteo.h"

namespace parlhora {

TFormChoixMeteo::TFormChoixMeteo(QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::TFormChoixMeteo>()) {
  ui_->setupUi(this);
}

TFormChoixMeteo::~TFormChoixMeteo() = default;

}  // namespace parlhora
