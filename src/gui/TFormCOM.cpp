#include "gui/TFormCOM.h"

#include <QSignalBlocker>

#include "serial/LineOptions.h"
#include "ui_TFormCOM.h"

namespace parlhora {

TFormCOM::TFormCOM(LineOptions& options, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::TFormCOM>()), options_(options) {
  ui_->setupUi(this);
  connect(ui_->CheckBoxDTR, &QCheckBox::clicked, this, [this](bool on) { options_.dtr = on; });
  connect(ui_->CheckBoxRTS, &QCheckBox::clicked, this, [this](bool on) { options_.rts = on; });
  connect(ui_->CheckBoxDSR, &QCheckBox::clicked, this, [this](bool on) { options_.dsr = on; });
  connect(ui_->CheckBoxCTS, &QCheckBox::clicked, this, [this](bool on) { options_.cts = on; });
  connect(ui_->CheckBoxDCD, &QCheckBox::clicked, this, [this](bool on) { options_.dcd = on; });
  // itemClicked, not currentRowChanged: showPorts() moves the selection too.
  connect(ui_->ListBoxCOM, &QListWidget::itemClicked, this, &TFormCOM::ListBoxCOMClick);
  loadFromModel();
}

TFormCOM::~TFormCOM() = default;

void TFormCOM::loadFromModel() {
  ui_->CheckBoxDTR->setChecked(options_.dtr);
  ui_->CheckBoxRTS->setChecked(options_.rts);
  ui_->CheckBoxDSR->setChecked(options_.dsr);
  ui_->CheckBoxCTS->setChecked(options_.cts);
  ui_->CheckBoxDCD->setChecked(options_.dcd);
}

void TFormCOM::showPorts(const QStringList& ports, int selected) {
  const QSignalBlocker block(ui_->ListBoxCOM);
  ui_->ListBoxCOM->clear();
  ui_->ListBoxCOM->addItems(ports);
  ui_->ListBoxCOM->setCurrentRow(selected >= 0 && selected < ports.size() ? selected : -1);
}

int TFormCOM::selectedRow() const { return ui_->ListBoxCOM->currentRow(); }

void TFormCOM::ListBoxCOMClick() {
  const int row = ui_->ListBoxCOM->currentRow();
  if (row >= 0) emit portPicked(row);
}

void TFormCOM::showEvent(QShowEvent* event) {
  emit shown();
  QWidget::showEvent(event);
}

}  // namespace parlhora
