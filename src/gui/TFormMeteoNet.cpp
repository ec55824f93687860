#include "gui/TFormMeteoNet.h"

#include <QKeyEvent>
#include <QSignalBlocker>

#include "stations/net/NetSource.h"
#include "ui_TFormMeteoNet.h"

namespace parlhora {

namespace {

const std::pair<const char*, bool ReadingBoxes::*> kBoxes[] = {
    {"CheckBoxTint", &ReadingBoxes::tempInt}, {"CheckBoxText", &ReadingBoxes::tempExt},
    {"CheckBoxPatm", &ReadingBoxes::presAtm}, {"CheckBoxTend", &ReadingBoxes::preTend},
    {"CheckBoxVent", &ReadingBoxes::vitVent}, {"CheckBoxRafa", &ReadingBoxes::vitRafa},
    {"CheckBoxDire", &ReadingBoxes::dirVent}, {"CheckBoxTRes", &ReadingBoxes::tRes},
    {"CheckBoxPluie", &ReadingBoxes::pluie},  {"CheckBoxHumiExt", &ReadingBoxes::humidi},
};

}  // namespace

TFormMeteoNet::TFormMeteoNet(NetSource& source, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::TFormMeteoNet>()), source_(source) {
  ui_->setupUi(this);
  NetStationSettings& s = source_.settings();
  for (const auto& [name, field] : kBoxes)
    if (auto* box = findChild<QCheckBox*>(QLatin1String(name)))
      connect(box, &QCheckBox::toggled, this, [&s, f = field](bool on) { s.boxes.*f = on; });
  connect(ui_->SpinEditOffSetPression, &QSpinBox::valueChanged, this, [this, &s](int v) {
    s.pressureOffset = v;
    source_.refresh();
  });
  connect(ui_->SpinEditSeuiltendance, &QSpinBox::valueChanged, this, [this, &s](int v) {
    s.trendThreshold = v;
    source_.refresh();
  });
  connect(ui_->SpinEditPort, &QSpinBox::editingFinished, this, &TFormMeteoNet::receiverEdited);
  connect(ui_->EditPath, &QLineEdit::editingFinished, this, &TFormMeteoNet::receiverEdited);
  connect(ui_->EditKey, &QLineEdit::editingFinished, this, &TFormMeteoNet::receiverEdited);
  connect(ui_->ButtonRafraichir, &QPushButton::clicked, &source_, &NetSource::refreshNow);
  connect(&source_, &SourceController::readingsChanged, this, &TFormMeteoNet::showReadings);
  loadFromModel();
}

TFormMeteoNet::~TFormMeteoNet() = default;

void TFormMeteoNet::receiverEdited() {
  NetStationSettings& s = source_.settings();
  const QByteArray path = ui_->EditPath->text().trimmed().toUtf8();
  // Only a path a request can name; anything else goes back to the one in use.
  if (path.startsWith('/') && !path.contains(' ') && !path.contains('?'))
    s.path = path;
  else
    ui_->EditPath->setText(QString::fromUtf8(s.path));
  const QByteArray key = ui_->EditKey->text().trimmed().toUtf8();
  const bool changed = s.port != ui_->SpinEditPort->value() || s.path != path || s.key != key;
  s.port = ui_->SpinEditPort->value();
  s.key = key;
  if (changed) source_.receiverSettingsChanged();
}

void TFormMeteoNet::loadFromModel() {
  const NetStationSettings& s = source_.settings();
  for (const auto& [name, field] : kBoxes)
    if (auto* box = findChild<QCheckBox*>(QLatin1String(name))) {
      const QSignalBlocker block(box);
      box->setChecked(s.boxes.*field);
    }
  for (auto [spin, value] :
       {std::pair{ui_->SpinEditOffSetPression, s.pressureOffset},
        std::pair{ui_->SpinEditSeuiltendance, s.trendThreshold}, std::pair{ui_->SpinEditPort, s.port}}) {
    const QSignalBlocker block(spin);
    spin->setValue(value);
  }
  ui_->EditPath->setText(QString::fromUtf8(s.path));
  ui_->EditKey->setText(QString::fromUtf8(s.key));
  showReadings();
}

void TFormMeteoNet::showReadings() {
  for (const Captions::Caption& c : source_.captions().all()) {
    QWidget* w = findChild<QWidget*>(c.name);
    if (auto* b = qobject_cast<QAbstractButton*>(w)) b->setText(c.text);
    if (auto* l = qobject_cast<QLabel*>(w)) l->setText(c.text);
    if (auto* e = qobject_cast<QLineEdit*>(w)) e->setText(c.text);
    if (w) w->setStyleSheet(c.red ? QStringLiteral("color: red;") : QString());
  }
  ui_->StaticTextErreur->setText(source_.errorText());
}

void TFormMeteoNet::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) emit escapePressed();
  event->accept();
}

}  // namespace parlhora
