#include "gui/TFormMeteoMETAR.h"

#include <QSignalBlocker>

#include "internet/MetarSource.h"
#include "ui_TFormMeteoMETAR.h"

namespace parlhora {

TFormMeteoMETAR::TFormMeteoMETAR(MetarSource& source, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::TFormMeteoMETAR>()), source_(source) {
  ui_->setupUi(this);
  connectControls();
  loadFromModel();
}

TFormMeteoMETAR::~TFormMeteoMETAR() = default;

void TFormMeteoMETAR::connectControls() {
  MetarSource& s = source_;
  ReadingBoxes& boxes = s.settings().boxes;
  const std::pair<QCheckBox*, bool*> checks[] = {
      {ui_->CheckBoxText, &boxes.tempExt}, {ui_->CheckBoxPatm, &boxes.presAtm},
      {ui_->CheckBoxVent, &boxes.vitVent}, {ui_->CheckBoxRafa, &boxes.vitRafa},
      {ui_->CheckBoxDire, &boxes.dirVent}, {ui_->CheckBoxTRes, &boxes.tRes},
      {ui_->CheckBoxPluie, &boxes.pluie},  {ui_->CheckBoxHumiExt, &boxes.humidi}};
  for (const auto& [box, field] : checks)
    connect(box, &QCheckBox::toggled, this, [f = field](bool on) { *f = on; });
  connect(ui_->EditDat, &QLineEdit::textEdited, &s, &MetarSource::EditDatChange);
  connect(ui_->EditDat, &QLineEdit::returnPressed, &s, [&s, this] {
    ui_->EditDat->selectAll();
    s.EditDatKeyPress();
  });
  connect(ui_->ButtonRafraichir, &QPushButton::clicked, &s, &MetarSource::ButtonRafraichirClick);
  connect(ui_->ComboBoxPath, &QComboBox::activated, &s, &MetarSource::ComboBoxPathChange);
  connect(ui_->ComboBoxTU, &QComboBox::activated, &s, &MetarSource::ComboBoxTUChange);
  connect(ui_->SpinEditRafraichir, &QSpinBox::valueChanged, &s, &MetarSource::SpinEditRafraichirChange);
  connect(ui_->SpinEditOffSetPression, &QSpinBox::valueChanged, &s,
          &MetarSource::SpinEditOffSetPressionChange);
  connect(ui_->ButtonFav, &QPushButton::clicked, this, &TFormMeteoMETAR::favouritesRequested);
  connect(ui_->SpeedButtonMenuAide, &QToolButton::clicked, this, &TFormMeteoMETAR::helpRequested);
  connect(&s, &MetarSource::readingsChanged, this, &TFormMeteoMETAR::showReadings);
  connect(&s, &MetarSource::historyChanged, this, &TFormMeteoMETAR::showHistory);
}

void TFormMeteoMETAR::loadFromModel() {
  const WebSourceSettings& m = source_.settings();
  const QSignalBlocker blockSpin(ui_->SpinEditRafraichir), blockOffset(ui_->SpinEditOffSetPression);
  ui_->SpinEditRafraichir->setValue(m.refreshMinutes);
  ui_->SpinEditOffSetPression->setValue(m.pressureOffset);
  ui_->ComboBoxTU->setCurrentIndex(m.timeBase == 1 ? 1 : 0);  // none selected shows "UT"
  const std::pair<QCheckBox*, bool> checks[] = {
      {ui_->CheckBoxText, m.boxes.tempExt}, {ui_->CheckBoxPatm, m.boxes.presAtm},
      {ui_->CheckBoxVent, m.boxes.vitVent}, {ui_->CheckBoxRafa, m.boxes.vitRafa},
      {ui_->CheckBoxDire, m.boxes.dirVent}, {ui_->CheckBoxTRes, m.boxes.tRes},
      {ui_->CheckBoxPluie, m.boxes.pluie},  {ui_->CheckBoxHumiExt, m.boxes.humidi}};
  for (const auto& [box, on] : checks) box->setChecked(on);
  ui_->EditDat->setText(QString::fromLocal8Bit(m.address));
  showHistory();
  showReadings();
}

void TFormMeteoMETAR::showHistory() {
  const QSignalBlocker block(ui_->ComboBoxPath);
  ui_->ComboBoxPath->clear();
  for (const QByteArray& entry : source_.settings().history)
    ui_->ComboBoxPath->addItem(QString::fromLocal8Bit(entry));
  ui_->ComboBoxPath->setCurrentIndex(source_.historyIndex());
}

void TFormMeteoMETAR::showReadings() {
  const QString address = QString::fromLocal8Bit(source_.settings().address);
  if (ui_->EditDat->text() != address) ui_->EditDat->setText(address);
  for (const Captions::Caption& c : source_.captions().all()) {
    QWidget* w = findChild<QWidget*>(c.name);
    if (auto* box = qobject_cast<QAbstractButton*>(w))
      box->setText(c.text);
    else if (auto* label = qobject_cast<QLabel*>(w))
      label->setText(c.text);
    else if (auto* edit = qobject_cast<QLineEdit*>(w))
      edit->setText(c.text);
    if (w) w->setStyleSheet(c.red ? QStringLiteral("color: rgb(255, 0, 0)") : QString());
  }
  ui_->StaticTextErreur->setText(source_.statusText());
}

void TFormMeteoMETAR::showEvent(QShowEvent* event) {
  ui_->EditDat->selectAll();
  QWidget::showEvent(event);
}

void TFormMeteoMETAR::closeEvent(QCloseEvent* event) {
  emit closed();
  QWidget::closeEvent(event);
}

}  // namespace parlhora
