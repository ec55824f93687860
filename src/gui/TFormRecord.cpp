#include "gui/TFormRecord.h"

#include "ui_TFormRecord.h"

namespace parlhora {

TFormRecord::TFormRecord(QWidget* parent) : QWidget(parent), ui_(std::make_unique<Ui::TFormRecord>()) {
  ui_->setupUi(this);
}

TFormRecord::~TFormRecord() = default;

}  // namespace parlhora
