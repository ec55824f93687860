#include "gui/CwIdPanel.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QSpinBox>

#include "audio/CwIdSettings.h"

namespace parlhora {

namespace {

QSpinBox* spin(const char* name, int lo, int hi, const QString& suffix, QWidget* parent) {
  auto* s = new QSpinBox(parent);
  s->setObjectName(QLatin1String(name));
  s->setRange(lo, hi);
  s->setSuffix(suffix);
  return s;
}

}  // namespace

CwIdPanel::CwIdPanel(CwIdSettings& settings, QWidget* parent) : QWidget(parent), settings_(settings) {
  setObjectName(QStringLiteral("PanelCwId"));
  box_ = new QCheckBox(QStringLiteral("Rufzeichen in Morse"), this);
  box_->setObjectName(QStringLiteral("CheckBoxCwId"));
  call_ = new QLineEdit(this);
  call_->setObjectName(QStringLiteral("EditCwIdCall"));
  call_->setToolTip(QStringLiteral("Rufzeichen"));
  call_->setMaxLength(16);
  call_->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[A-Za-z0-9/]*")), call_));
  wpm_ = spin("SpinEditCwIdWpm", CwIdSettings::kMinWpm, CwIdSettings::kMaxWpm, QStringLiteral(" WpM"), this);
  hz_ = spin("SpinEditCwIdHz", CwIdSettings::kMinHz, CwIdSettings::kMaxHz, QStringLiteral(" Hz"), this);
  hz_->setSingleStep(50);

  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(box_);
  row->addWidget(call_, 1);
  row->addWidget(wpm_);
  row->addWidget(hz_);

  connect(box_, &QCheckBox::toggled, this, [this](bool on) { settings_.enabled = on; });
  connect(call_, &QLineEdit::textEdited, this, [this](const QString& text) {
    const QString upper = text.toUpper();
    if (upper != text) {
      const QSignalBlocker block(call_);
      const int at = call_->cursorPosition();
      call_->setText(upper);
      call_->setCursorPosition(at);
    }
    settings_.call = upper.toLatin1();
  });
  connect(wpm_, &QSpinBox::valueChanged, this, [this](int v) { settings_.wpm = v; });
  connect(hz_, &QSpinBox::valueChanged, this, [this](int v) { settings_.hz = v; });
  loadFromModel();
}

void CwIdPanel::loadFromModel() {
  const QSignalBlocker b1(box_), b2(call_), b3(wpm_), b4(hz_);
  box_->setChecked(settings_.enabled);
  call_->setText(QString::fromLatin1(settings_.call));
  // A value out of range stays in the model (config names it) until the user picks one here.
  wpm_->setValue(settings_.wpm);
  hz_->setValue(settings_.hz);
}

}  // namespace parlhora
