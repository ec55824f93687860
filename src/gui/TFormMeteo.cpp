#include "gui/TFormMeteo.h"

#include <QAbstractButton>
#include <QLabel>
#include <QSignalBlocker>

#include "stations/MonitorSource.h"
#include "ui_TFormMeteo.h"

namespace parlhora {

TFormMeteo::TFormMeteo(MonitorSource& source, MonitorSettings& settings, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::TFormMeteo>()), source_(source), settings_(settings) {
  ui_->setupUi(this);
  bind();
  loadFromModel();
  showReadings();
}

TFormMeteo::~TFormMeteo() = default;

void TFormMeteo::bind() {
  ReadingBoxes& b = settings_.boxes;
  const auto box = [this](QCheckBox* check, bool& field) {
    connect(check, &QCheckBox::clicked, this, [&field](bool on) { field = on; });
  };
  box(ui_->CheckBoxTint, b.tempInt);
  box(ui_->CheckBoxText, b.tempExt);
  box(ui_->CheckBoxPatm, b.presAtm);
  box(ui_->CheckBoxtend, b.preTend);
  box(ui_->CheckBoxVent, b.vitVent);
  box(ui_->CheckBoxRafa, b.vitRafa);
  box(ui_->CheckBoxDire, b.dirVent);
  box(ui_->CheckBoxlog, settings_.hourlyLog);
  connect(ui_->SpinEditRafraichir, &QSpinBox::valueChanged, this,
          [this](int minutes) { source_.SpinEditRafraichirChange(minutes); });
  connect(ui_->ButtonPort, &QPushButton::clicked, this, &TFormMeteo::ButtonPortClick);
  // itemClicked, not currentRowChanged: showing the list moves the selection too.
  connect(ui_->ListBoxPort, &QListWidget::itemClicked, this, &TFormMeteo::ListBoxPortClick);
  connect(&source_, &SourceController::readingsChanged, this, &TFormMeteo::showReadings);
  connect(&source_, &MonitorSource::hideRequested, this, &QWidget::hide);
}

void TFormMeteo::loadFromModel() {
  const ReadingBoxes& b = settings_.boxes;
  ui_->CheckBoxTint->setChecked(b.tempInt);
  ui_->CheckBoxText->setChecked(b.tempExt);
  ui_->CheckBoxPatm->setChecked(b.presAtm);
  ui_->CheckBoxtend->setChecked(b.preTend);
  ui_->CheckBoxVent->setChecked(b.vitVent);
  ui_->CheckBoxRafa->setChecked(b.vitRafa);
  ui_->CheckBoxDire->setChecked(b.dirVent);
  ui_->CheckBoxlog->setChecked(settings_.hourlyLog);
  const QSignalBlocker block(ui_->SpinEditRafraichir);
  ui_->SpinEditRafraichir->setValue(settings_.refreshMinutes);
}

void TFormMeteo::showReadings() {
  for (const Captions::Caption& c : source_.captions().all()) {
    QWidget* control = findChild<QWidget*>(c.name);
    if (auto* button = qobject_cast<QAbstractButton*>(control))
      button->setText(c.text);
    else if (auto* label = qobject_cast<QLabel*>(control))
      label->setText(c.text);
    else
      continue;
    control->setStyleSheet(c.red ? QStringLiteral("color: red") : QString());
  }
  const QSignalBlocker block(ui_->ListBoxPort);
  QStringList shownPorts;
  for (int i = 0; i < ui_->ListBoxPort->count(); ++i) shownPorts << ui_->ListBoxPort->item(i)->text();
  if (shownPorts != source_.portList()) {
    ui_->ListBoxPort->clear();
    ui_->ListBoxPort->addItems(source_.portList());
  }
  ui_->ListBoxPort->setCurrentRow(source_.portListSelection());
  ui_->ListBoxPort->setVisible(source_.portListVisible());
}

void TFormMeteo::ButtonPortClick() {
  source_.ButtonPortClick();
}

void TFormMeteo::ListBoxPortClick() {
  const int row = ui_->ListBoxPort->currentRow();
  if (row >= 0) source_.ListBoxPortClick(row);
}

void TFormMeteo::showEvent(QShowEvent* event) {
  source_.FormShow();
  emit shown();
  QWidget::showEvent(event);
}

}  // namespace parlhora
