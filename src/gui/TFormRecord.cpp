#include "gui/TFormRecord.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

#include "platform/Notifier.h"
#include "ui_TFormRecord.h"

namespace parlhora {

TFormRecord::TFormRecord(QByteArray& recorderPath, Notifier& notifier, QWidget* parent)
    : QWidget(parent),
      ui_(std::make_unique<Ui::TFormRecord>()),
      recorderPath_(recorderPath),
      notifier_(notifier) {
  ui_->setupUi(this);
  chooseFile_ = [this] { return QFileDialog::getOpenFileName(this); };
  connect(ui_->EditQuorrel, &QLineEdit::textEdited, this,
          [this](const QString& text) { recorderPath_ = QFile::encodeName(text); });
  connect(ui_->ButtonParcourir, &QPushButton::clicked, this, &TFormRecord::ButtonParcourirClick);
}

TFormRecord::~TFormRecord() = default;

void TFormRecord::loadFromModel() { ui_->EditQuorrel->setText(QFile::decodeName(recorderPath_)); }

void TFormRecord::showStatus(const QString& text) { ui_->StaticTextW->setText(text); }

void TFormRecord::ButtonParcourirClick() {
  const QString chosen = chooseFile_();
  if (chosen.isEmpty()) return;
  if (!QFileInfo::exists(chosen)) {
    ui_->EditQuorrel->clear();
    recorderPath_.clear();
    notifier_.beep();
    return;
  }
  ui_->EditQuorrel->setText(chosen);
  ui_->EditQuorrel->selectAll();
  recorderPath_ = QFile::encodeName(chosen);
}

void TFormRecord::showEvent(QShowEvent* event) {
  loadFromModel();
  QWidget::showEvent(event);
}

}  // namespace parlhora
