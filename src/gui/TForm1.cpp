#include "gui/TForm1.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>

#include "app/AnnouncerSettings.h"
#include "app/Scheduler.h"
#include "audio/SoundCardPanel.h"
#include "gui/CwIdPanel.h"
#include "serial/SerialIndicators.h"
#include "ui_TForm1.h"

namespace parlhora {

TForm1::TForm1(Models models, Notifier& notifier, QWidget* parent)
    : QMainWindow(parent),
      ui_(std::make_unique<Ui::TForm1>()),
      settings_(models.settings),
      notifier_(notifier),
      scheduler_(models.scheduler),
      jingles_(models.jingles),
      soundCard_(models.soundCard),
      helpFolder_(models.helpFolder) {
  ui_->setupUi(this);
  move(settings_.mainWindow.left, settings_.mainWindow.top);
  // Hidden by being in no menu: Qt drops the shortcut of an invisible
  // action, and the window itself must hold it for the shortcut to fire.
  addAction(ui_->MenuSimuErreur);
  collectHourItems();
  connectMenus();
  connectControls();
  // Above the start-up boxes, and made after the key filter went in: the
  // call must take typing, and Esc, which no control takes, still reaches
  // the window through the parents.
  ui_->layout12->insertWidget(ui_->layout12->indexOf(ui_->layout11), new CwIdPanel(settings_.cwid, this));
  loadFromModel();
}

TForm1::~TForm1() = default;

void TForm1::connectControls() {
  auto& a = settings_.announcement;
  connect(ui_->Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
  connect(ui_->Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
  connect(ui_->ButtonParcourirEnTete, &QPushButton::clicked, this, &TForm1::ButtonParcourirEnteteClick);
  connect(ui_->ButtonParcourirPirolo, &QPushButton::clicked, this, &TForm1::ButtonParcourirPiroloClick);
  connect(ui_->ButtonParcourirFin, &QPushButton::clicked, this, &TForm1::ButtonParcourirFinClick);
  connect(ui_->CheckBoxEntete, &QCheckBox::clicked, this, [&a](bool on) { a.header = on; });
  connect(ui_->CheckBoxPirolo, &QCheckBox::clicked, this, [&a](bool on) { a.hello = on; });
  connect(ui_->CheckBoxDate, &QCheckBox::clicked, this, [&a](bool on) { a.date = on; });
  connect(ui_->CheckBoxIlEst, &QCheckBox::clicked, this, [&a](bool on) { a.itIs = on; });
  connect(ui_->CheckBoxFin, &QCheckBox::clicked, this, [&a](bool on) { a.final = on; });
  connect(ui_->CheckBoxHeure, &QCheckBox::clicked, this, &TForm1::CheckBoxHeureClick);
  connect(ui_->CheckBoxNoMinute, &QCheckBox::clicked, this, &TForm1::CheckBoxNoMinuteClick);
  connect(ui_->SpinEditPause, &QSpinBox::valueChanged, this, [&a](int s) { a.pauseSeconds = s; });
  connect(ui_->UpDownPeriode, &QSpinBox::valueChanged, this, &TForm1::UpDownPeriodeMouseDown);
  connect(ui_->CheckBoxDemarrage, &QCheckBox::clicked, this, &TForm1::CheckBoxDemarrageClick);
  connect(ui_->CheckBoxReduire, &QCheckBox::clicked, this, &TForm1::CheckBoxReduireClick);
  connect(ui_->CheckBoxInfoVersion, &QCheckBox::clicked, this,
          [this](bool on) { settings_.mainWindow.checkVersion = on; });
  connect(ui_->TrackBarVolume, &QSlider::valueChanged, this, [this](int position) {
    // Read-back moves the slider too; only a user's move sets the device.
    if (!signalsBlocked()) TrackBarVolumeChange(position);
  });
  // No system mixer reaches our balance on Linux, so the panel carries it.
  connect(ui_->TrackBarBalance, &QSlider::valueChanged, this, [this](int balance) {
    if (signalsBlocked()) return;
    settings_.sound.balance = balance;
    emit volumeChanged(settings_.sound.volume);
  });
  connect(ui_->BitBtnOKCarteSon, &QPushButton::clicked, this, &TForm1::BitBtnOKCarteSonClick);
  connect(ui_->ButtonPlayWave, &QPushButton::clicked, this, &TForm1::ButtonPlayWaveClick);
  connect(ui_->ButtonPlayWaveRes, &QPushButton::clicked, this, &TForm1::ButtonPlayWaveResClick);
  // The window sees every key before its controls do (and the mouse on
  // the pictures, the volume panel and the weather button). Menus keep
  // their own keyboard navigation.
  for (QWidget* w : findChildren<QWidget*>())
    if (!qobject_cast<QMenu*>(w) && !qobject_cast<QMenuBar*>(w)) w->installEventFilter(this);
}

void TForm1::loadFromModel() {
  const QSignalBlocker block(this);
  const auto& a = settings_.announcement;
  const auto& m = settings_.mainWindow;
  const QSignalBlocker b1(ui_->SpinEditPause), b2(ui_->UpDownPeriode), b3(ui_->TrackBarVolume),
      b4(ui_->TrackBarBalance);
  ui_->CheckBoxEntete->setChecked(a.header);
  ui_->SpinEditPause->setValue(a.pauseSeconds);
  ui_->CheckBoxPirolo->setChecked(a.hello);
  ui_->CheckBoxDate->setChecked(a.date);
  ui_->CheckBoxIlEst->setChecked(a.itIs);
  ui_->CheckBoxHeure->setChecked(a.hourWithWords);
  ui_->CheckBoxNoMinute->setChecked(a.noMinuteWord);
  ui_->CheckBoxFin->setChecked(a.final);
  ui_->ButtonParcourirEnTete->setToolTip(QString::fromLocal8Bit(a.headerFile));
  ui_->ButtonParcourirPirolo->setToolTip(QString::fromLocal8Bit(a.cuckooFile));
  ui_->ButtonParcourirFin->setToolTip(QString::fromLocal8Bit(a.finalFile));
  ui_->MenuRecord->setChecked(a.record);
  const int gate = qBound(0, a.weatherAgeGateHours, 3);
  QAction* gates[] = {ui_->MenuAnnonceToujours, ui_->MenuAnnonce1h, ui_->MenuAnnonce2h, ui_->MenuAnnonce3h};
  gates[gate]->setChecked(true);
  (a.windRose16 ? ui_->Menu16secteurs : ui_->menu8secteurs)->setChecked(true);
  ui_->UpDownPeriode->setValue(settings_.schedule.periodPosition);
  UpDownPeriodeMouseDown();
  showHourMenus();
  ui_->TrackBarVolume->setValue(settings_.sound.volume);
  ui_->TrackBarBalance->setValue(settings_.sound.balance);
  ui_->Gauge1->setValue(settings_.sound.maxVolume);
  ui_->CheckBoxDemarrage->setChecked(m.autostart);
  ui_->CheckBoxReduire->setChecked(m.startMinimised);
  ui_->CheckBoxInfoVersion->setChecked(m.checkVersion);
  if (auto* cw = findChild<CwIdPanel*>()) cw->loadFromModel();
  move(m.left, m.top);
}

void TForm1::setVersion(const QString& version) { setWindowTitle(QStringLiteral("PARLHORA V") + version); }

void TForm1::setStatusText(const QString& text) { ui_->EditData->setText(text); }

QString TForm1::statusText() const { return ui_->EditData->text(); }

void TForm1::showDateTime(const QDateTime& now) {
  const QLocale locale = QLocale::system();
  ui_->EditDate->setText(QLatin1Char(' ') + locale.toString(now.date(), QLocale::ShortFormat));
  ui_->EditTime->setText(QLatin1Char(' ') + locale.toString(now.time(), QLocale::LongFormat));
}

void TForm1::setDateTimeTexts(const QString& date, const QString& time) {
  ui_->EditDate->setText(date);
  ui_->EditTime->setText(time);
}

void TForm1::showIndicators(const SerialIndicators& indicators) {
  setPortLabel(indicators.labelCOM);
  setTransmitting(indicators.transmitting);
  setCarrier(indicators.carrierShown);
  ui_->LabelCTS->setText(indicators.labelCTS);
  ui_->LabelDSR->setText(indicators.labelDSR);
  ui_->LabelDCD->setText(indicators.labelDCD);
}

void TForm1::setPortLabel(const QString& text) { ui_->LabelCOM->setText(text); }

void TForm1::setTransmitting(bool keyed) {
  ui_->ImageLedON->setVisible(keyed);
  ui_->ImageLedOFF->setVisible(!keyed);
}

void TForm1::setCarrier(bool on) {
  ui_->ImagePiroloOff->setVisible(on);
  ui_->ImagePirolo->setVisible(!on);
  ui_->LabelDCD->setText(on ? QStringLiteral("DCD=On") : QStringLiteral("DCD=Off"));
}

void TForm1::setCtsLabel(bool on) { ui_->LabelCTS->setText(on ? "CTS=On" : "CTS=Off"); }

void TForm1::setDsrLabel(bool on) { ui_->LabelDSR->setText(on ? "DSR=On" : "DSR=Off"); }

void TForm1::setAnnouncementBusy(bool busy) {
  ui_->Button1->setEnabled(!busy);
  if (!busy) {
    soundCard_.setOkEnabled(true);
    ui_->BitBtnOKCarteSon->setEnabled(true);
  }
}

void TForm1::setVolumePosition(int position) {
  if (isVolumeSliderDown()) return;
  const QSignalBlocker block(this);
  ui_->TrackBarVolume->setValue(position);
  if (!ui_->TrackBarBalance->isSliderDown()) ui_->TrackBarBalance->setValue(settings_.sound.balance);
}

bool TForm1::isVolumeSliderDown() const { return ui_->TrackBarVolume->isSliderDown(); }

void TForm1::setPortList(const QStringList& ports) {
  ui_->ListBoxPort->clear();
  ui_->ListBoxPort->addItems(ports);
}

QStringList TForm1::portList() const {
  QStringList ports;
  for (int i = 0; i < ui_->ListBoxPort->count(); ++i) ports << ui_->ListBoxPort->item(i)->text();
  return ports;
}

void TForm1::Button1Click() { emit announceRequested(); }

void TForm1::CheckBoxHeureClick() {
  scheduler_.CheckBoxHeureClick(ui_->CheckBoxHeure->isChecked());
  showTimeBoxes();
}

void TForm1::CheckBoxNoMinuteClick() {
  scheduler_.CheckBoxNoMinuteClick(ui_->CheckBoxNoMinute->isChecked());
  showTimeBoxes();
}

void TForm1::showTimeBoxes() {
  const QSignalBlocker heure(ui_->CheckBoxHeure);
  const QSignalBlocker noMinute(ui_->CheckBoxNoMinute);
  ui_->CheckBoxHeure->setChecked(settings_.announcement.hourWithWords);
  ui_->CheckBoxNoMinute->setChecked(settings_.announcement.noMinuteWord);
}

void TForm1::UpDownPeriodeMouseDown() {
  const int position = ui_->UpDownPeriode->value();
  const bool changed = settings_.schedule.periodPosition != position;
  scheduler_.setPeriodPosition(position);
  ui_->Edit1->setText(scheduler_.edit1());
  if (changed) emit periodChanged(position);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    keyPressEvent(static_cast<QKeyEvent*>(event));
    return true;  // every key is discarded after the Esc test
  }
  if (event->type() == QEvent::MouseButtonPress && watched == ui_->Panel1) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    panel1Pressed(mouse->position().toPoint(), mouse->button());
  } else if (event->type() == QEvent::MouseButtonRelease) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (watched == ui_->ImagePirolo || watched == ui_->ImagePiroloOff) {
      emit infoRequested();
    } else if (watched == ui_->ButtonInitMeteo) {
      emit hideWeatherWindowsRequested();
      if (mouse->button() == Qt::RightButton)
        emit chooserRequested();
      else if (mouse->button() == Qt::LeftButton)
        emit weatherWindowRequested();
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void TForm1::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) emit abortRequested();
  event->accept();
}

void TForm1::closeEvent(QCloseEvent* event) {
  settings_.mainWindow.left = x();
  settings_.mainWindow.top = y();
  emit closing();
  event->accept();
}

}  // namespace parlhora
