#include "gui/HistoryFileView.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QWidget>

#include "stations/HistoryFileController.h"

namespace parlhora {

namespace {

const std::pair<const char*, bool ReadingBoxes::*> kBoxes[] = {
    {"CheckBoxTint", &ReadingBoxes::tempInt}, {"CheckBoxText", &ReadingBoxes::tempExt},
    {"CheckBoxPatm", &ReadingBoxes::presAtm}, {"CheckBoxTend", &ReadingBoxes::preTend},
    {"CheckBoxVent", &ReadingBoxes::vitVent}, {"CheckBoxRafa", &ReadingBoxes::vitRafa},
    {"CheckBoxDire", &ReadingBoxes::dirVent}, {"CheckBoxTRes", &ReadingBoxes::tRes},
    {"CheckBoxPluie", &ReadingBoxes::pluie},  {"CheckBoxHumiExt", &ReadingBoxes::humidi},
};

// "Text|*.ext" as the file dialog wants it: "Text (*.ext)".
QString qtFilter(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  return parts.size() == 2 ? parts[0] + QStringLiteral(" (") + parts[1] + QLatin1Char(')') : filter;
}

void setCaption(QWidget* w, const QString& text) {
  if (auto* b = qobject_cast<QAbstractButton*>(w)) b->setText(text);
  if (auto* l = qobject_cast<QLabel*>(w)) l->setText(text);
  if (auto* e = qobject_cast<QLineEdit*>(w)) e->setText(text);
}

}  // namespace

HistoryFileView::HistoryFileView(QWidget& form, HistoryFileController& source, HistoryFileSettings& settings)
    : QObject(&form), form_(form), source_(source), settings_(settings) {
  chooseFile = [this](const QString& filter, const QString& suffix) {
    QFileDialog dialog(&form_, QString(), QString(), qtFilter(filter));
    dialog.setDefaultSuffix(suffix);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
               ? dialog.selectedFiles().first()
               : QString();
  };
  for (const auto& [name, field] : kBoxes)
    if (auto* box = control<QCheckBox>(name))
      connect(box, &QCheckBox::toggled, this, [this, f = field](bool on) { settings_.boxes.*f = on; });
  if (auto* spin = control<QSpinBox>("SpinEditRafraichir"))
    connect(spin, &QSpinBox::valueChanged, this, [this](int v) { settings_.refreshMinutes = v; });
  if (auto* spin = control<QSpinBox>("SpinEditOffSetPression"))
    connect(spin, &QSpinBox::valueChanged, this, [this](int v) { settings_.pressureOffset = v; });
  if (auto* spin = control<QSpinBox>("SpinEditSeuiltendance"))
    connect(spin, &QSpinBox::valueChanged, this, [this](int v) { settings_.trendThreshold = v; });
  if (auto* radio = control<QRadioButton>("RadioButtonPABS"))
    connect(radio, &QRadioButton::toggled, this, [this](bool on) { settings_.absolutePressure = on; });
  if (auto* box = control<QCheckBox>("CheckBoxFichier"))
    connect(box, &QCheckBox::toggled, this, [this](bool on) { settings_.currentMonthFile = on; });
  if (auto* button = control<QAbstractButton>("ButtonRafraichir"))
    connect(button, &QAbstractButton::clicked, &source_, &HistoryFileController::refreshNow);
  if (auto* button = control<QAbstractButton>("ButtonParcourir"))
    connect(button, &QAbstractButton::clicked, this, &HistoryFileView::ButtonParcourirClick);
  connect(&source_, &SourceController::readingsChanged, this, &HistoryFileView::showReadings);
  loadFromModel();
  showReadings();
}

template <typename T>
T* HistoryFileView::control(const char* name) const {
  return form_.findChild<T*>(QLatin1String(name));
}

void HistoryFileView::loadFromModel() {
  for (const auto& [name, field] : kBoxes)
    if (auto* box = control<QCheckBox>(name)) {
      const QSignalBlocker block(box);
      box->setChecked(settings_.boxes.*field);
    }
  const auto setSpin = [this](const char* name, int value) {
    if (auto* spin = control<QSpinBox>(name)) {
      const QSignalBlocker block(spin);
      spin->setValue(value);
    }
  };
  setSpin("SpinEditRafraichir", settings_.refreshMinutes);
  setSpin("SpinEditOffSetPression", settings_.pressureOffset);
  setSpin("SpinEditSeuiltendance", settings_.trendThreshold);
  if (auto* abs = control<QRadioButton>("RadioButtonPABS")) {
    const QSignalBlocker block(abs);
    abs->setChecked(settings_.absolutePressure);
    if (auto* rel = control<QRadioButton>("RadioButtonPREL")) rel->setChecked(!settings_.absolutePressure);
  }
  if (auto* box = control<QCheckBox>("CheckBoxFichier")) {
    const QSignalBlocker block(box);
    box->setChecked(settings_.currentMonthFile);
  }
  showReadings();
}

void HistoryFileView::showReadings() {
  for (const Captions::Caption& c : source_.captions().all()) {
    QWidget* w = form_.findChild<QWidget*>(c.name);
    if (!w) continue;
    setCaption(w, c.text);
    w->setStyleSheet(c.red ? QStringLiteral("color: red;") : QString());
  }
  if (auto* edit = control<QLineEdit>("EditDat")) {
    edit->setText(source_.companions().FileName);
    edit->setCursorPosition(int(edit->text().size()));
  }
  if (auto* error = control<QLabel>("StaticTextErreur")) error->setText(source_.errorText());
}

void HistoryFileView::ButtonParcourirClick() {
  const QString file = chooseFile(source_.dialogFilter(), source_.dialogSuffix());
  if (!file.isEmpty()) source_.ButtonParcourirClick(file);
}

}  // namespace parlhora
