#include "gui/TFormMeteoAPRS.h"

#include <QButtonGroup>
#include <QDesktopServices>
#include <QFileDialog>
#include <QSignalBlocker>

#include "gui/LoginBrowser.h"
#include "internet/AprsPage.h"
#include "internet/AprsSource.h"
#include "internet/NetworkSession.h"
#include "ui_TFormMeteoAPRS.h"

namespace parlhora {

namespace {

constexpr int kBrowserHeight = 480;

}  // namespace

TFormMeteoAPRS::TFormMeteoAPRS(AprsSource& source, NetworkSession& network, QWidget* parent)
    : QWidget(parent),
      ui_(std::make_unique<Ui::TFormMeteoAPRS>()),
      source_(source),
      network_(network),
      loginPage_(AprsPage::loginUrl()) {
  ui_->setupUi(this);
  ui_->ButtonLogin->setText(AprsPage::loginCaption());
  loginNote_ = new QLabel(this);
  loginNote_->setObjectName(QStringLiteral("LabelLoginHinweis"));
  loginNote_->setWordWrap(true);
  loginNote_->hide();
  ui_->layout29->addWidget(loginNote_);
  connectControls();
  loadFromModel();
}

TFormMeteoAPRS::~TFormMeteoAPRS() = default;

void TFormMeteoAPRS::connectControls() {
  AprsSource& s = source_;
  ReadingBoxes& boxes = s.settings().boxes;
  const std::pair<QCheckBox*, bool*> checks[] = {
      {ui_->CheckBoxText, &boxes.tempExt}, {ui_->CheckBoxPatm, &boxes.presAtm},
      {ui_->CheckBoxVent, &boxes.vitVent}, {ui_->CheckBoxRafa, &boxes.vitRafa},
      {ui_->CheckBoxDire, &boxes.dirVent}, {ui_->CheckBoxTRes, &boxes.tRes},
      {ui_->CheckBoxPluie, &boxes.pluie},  {ui_->CheckBoxHumiExt, &boxes.humidi}};
  for (const auto& [box, field] : checks)
    connect(box, &QCheckBox::toggled, this, [f = field](bool on) { *f = on; });
  connect(ui_->EditDat, &QLineEdit::textEdited, &s, &AprsSource::EditDatChange);
  connect(ui_->EditDat, &QLineEdit::returnPressed, &s, [&s] { s.EditDatKeyPress(); });
  connect(ui_->ButtonRafraichir, &QPushButton::clicked, &s, &AprsSource::ButtonRafraichirClick);
  connect(ui_->ComboBoxPath, &QComboBox::activated, &s, &AprsSource::ComboBoxPathChange);
  connect(ui_->ComboBoxTU, &QComboBox::activated, &s, &AprsSource::ComboBoxTUChange);
  connect(ui_->SpinEditRafraichir, &QSpinBox::valueChanged, &s, &AprsSource::SpinEditRafraichirChange);
  connect(ui_->SpinEditOffSetPression, &QSpinBox::valueChanged, &s,
          &AprsSource::SpinEditOffSetPressionChange);
  // One group per unit: the wind buttons share their layout with the other
  // two pairs, and a second click on a checked button must leave it checked.
  for (const auto& buttons :
       {QList<QAbstractButton*>{ui_->RadioButtonKM, ui_->RadioButtonMile, ui_->RadioButtonKnot},
        QList<QAbstractButton*>{ui_->RadioButtondegC, ui_->RadioButtonDegF},
        QList<QAbstractButton*>{ui_->RadioButtonMM, ui_->RadioButtonInch}}) {
    auto* group = new QButtonGroup(this);
    for (QAbstractButton* b : buttons) group->addButton(b);
  }
  connect(ui_->RadioButtonKM, &QRadioButton::clicked, &s, [&s] { s.setRawWind(RawWindUnit::Kmh); });
  connect(ui_->RadioButtonMile, &QRadioButton::clicked, &s, [&s] { s.setRawWind(RawWindUnit::Mph); });
  connect(ui_->RadioButtonKnot, &QRadioButton::clicked, &s, [&s] { s.setRawWind(RawWindUnit::Knots); });
  connect(ui_->RadioButtondegC, &QRadioButton::clicked, &s, [&s] { s.setRawFahrenheit(false); });
  connect(ui_->RadioButtonDegF, &QRadioButton::clicked, &s, [&s] { s.setRawFahrenheit(true); });
  connect(ui_->RadioButtonMM, &QRadioButton::clicked, &s, [&s] { s.setRawInch(false); });
  connect(ui_->RadioButtonInch, &QRadioButton::clicked, &s, [&s] { s.setRawInch(true); });
  connect(ui_->EditID, &QLineEdit::textEdited, &s,
          [&s](const QString& t) { s.settings().id = t.toLocal8Bit(); });
  connect(ui_->EditPW, &QLineEdit::textEdited, &s,
          [&s](const QString& t) { s.settings().password = t.toLocal8Bit(); });
  connect(ui_->ButtonLogin, &QPushButton::clicked, this, &TFormMeteoAPRS::loginClicked);
  connect(ui_->ButtonParcourir, &QPushButton::clicked, this, &TFormMeteoAPRS::browse);
  connect(ui_->ButtonFav, &QPushButton::clicked, this, &TFormMeteoAPRS::favouritesRequested);
  connect(&s, &AprsSource::hideBrowserRequested, this, &TFormMeteoAPRS::hideBrowser);
  connect(&s, &AprsSource::readingsChanged, this, &TFormMeteoAPRS::showReadings);
  connect(&s, &AprsSource::historyChanged, this, &TFormMeteoAPRS::showHistory);
}

void TFormMeteoAPRS::loadFromModel() {
  const WebSourceSettings& m = source_.settings();
  const QSignalBlocker blockSpin(ui_->SpinEditRafraichir), blockOffset(ui_->SpinEditOffSetPression);
  ui_->SpinEditRafraichir->setValue(m.refreshMinutes);
  ui_->SpinEditOffSetPression->setValue(m.pressureOffset);
  const std::pair<QCheckBox*, bool> checks[] = {
      {ui_->CheckBoxText, m.boxes.tempExt}, {ui_->CheckBoxPatm, m.boxes.presAtm},
      {ui_->CheckBoxVent, m.boxes.vitVent}, {ui_->CheckBoxRafa, m.boxes.vitRafa},
      {ui_->CheckBoxDire, m.boxes.dirVent}, {ui_->CheckBoxTRes, m.boxes.tRes},
      {ui_->CheckBoxPluie, m.boxes.pluie},  {ui_->CheckBoxHumiExt, m.boxes.humidi}};
  for (const auto& [box, on] : checks) box->setChecked(on);
  ui_->RadioButtonKM->setChecked(m.rawWind == RawWindUnit::Kmh);
  ui_->RadioButtonMile->setChecked(m.rawWind == RawWindUnit::Mph);
  ui_->RadioButtonKnot->setChecked(m.rawWind == RawWindUnit::Knots);
  (m.rawFahrenheit ? ui_->RadioButtonDegF : ui_->RadioButtondegC)->setChecked(true);
  (m.rawInch ? ui_->RadioButtonInch : ui_->RadioButtonMM)->setChecked(true);
  ui_->EditID->setText(QString::fromLocal8Bit(m.id));
  ui_->EditPW->setText(QString::fromLocal8Bit(m.password));
  ui_->EditDat->setText(QString::fromLocal8Bit(m.address));
  showHistory();
  showReadings();
}

void TFormMeteoAPRS::showHistory() {
  const QSignalBlocker block(ui_->ComboBoxPath);
  ui_->ComboBoxPath->clear();
  for (const QByteArray& entry : source_.settings().history)
    ui_->ComboBoxPath->addItem(QString::fromLocal8Bit(entry));
  ui_->ComboBoxPath->setCurrentIndex(source_.historyIndex());
}

void TFormMeteoAPRS::showReadings() {
  const QString address = QString::fromLocal8Bit(source_.settings().address);
  if (ui_->EditDat->text() != address) ui_->EditDat->setText(address);
  ui_->ComboBoxTU->setCurrentIndex(source_.settings().timeBase == 0 ? 0 : 1);
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

void TFormMeteoAPRS::loginClicked() {
  if (!LoginBrowser::available()) {
    // Say so when nothing opened, rather than point to a browser there is not.
    const bool opened = QDesktopServices::openUrl(QUrl(AprsPage::loginUrl()));
    loginNote_->setText(
        opened ? QStringLiteral("Anmeldung im Web-Browser des Systems: die Downloads laufen ohne "
                                "diese Anmeldung.")
               : QStringLiteral("Fehler: kein Web-Browser für die Anmeldung gefunden"));
    if (!opened) {
      ui_->StaticTextErreur->setText(loginNote_->text());
      emit logLine(loginNote_->text());
    }
    loginNote_->show();
    return;
  }
  if (source_.browserShown()) {
    hideBrowser();
    return;
  }
  if (!browser_) {
    browser_ = new LoginBrowser(network_.cookies(), this);
    browser_->setMinimumHeight(kBrowserHeight);
    // The browser, not the stretch below the rows, takes the added height.
    ui_->layout29->insertWidget(ui_->layout29->count() - 1, browser_, 1);
  }
  normalHeight_ = height();
  source_.setBrowserShown(true);
  browser_->show();
  resize(width(), normalHeight_ + kBrowserHeight + 20);
  browser_->open(loginPage_);
}

void TFormMeteoAPRS::hideBrowser() {
  source_.setBrowserShown(false);
  if (!browser_ || browser_->isHidden()) return;
  browser_->stop();
  browser_->hide();
  if (normalHeight_ > 0) resize(width(), normalHeight_);
}

void TFormMeteoAPRS::browse() {
  const QString path =
      QFileDialog::getOpenFileName(this, QString(), QString(), QStringLiteral("Fichiers WXNOW.TXT (*.txt)"));
  source_.fileChosen(path);
}

void TFormMeteoAPRS::showEvent(QShowEvent* event) {
  ui_->EditDat->selectAll();
  QWidget::showEvent(event);
}

void TFormMeteoAPRS::closeEvent(QCloseEvent* event) {
  hideBrowser();
  emit closed();
  QWidget::closeEvent(event);
}

}  // namespace parlhora
