#include "gui/TFormInfo.h"

#include "ui_TFormInfo.h"

namespace parlhora {

TFormInfo::TFormInfo(QWidget* parent) : QWidget(parent), ui_(std::make_unique<Ui::TFormInfo>()) {
  ui_->setupUi(this);
  connect(ui_->BitBtn1, &QPushButton::clicked, this, &QWidget::close);
}

TFormInfo::~TFormInfo() = default;

void TFormInfo::setVersion(const QString& version) {
  ui_->Label1->setText(QStringLiteral("PARLHORA V") + version);
}

}  // namespace parlhora
