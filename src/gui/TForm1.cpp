#include "gui/TForm1.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QSystemTrayIcon>
#include <QUrl>

#include "app/AnnouncerSettings.h"
#include "app/Scheduler.h"
#include "audio/JingleFiles.h"
#include "audio/SoundCardPanel.h"
#include "audio/VolumeMath.h"
#include "gui/CwIdPanel.h"
#include "platform/Notifier.h"
#include "serial/SerialIndicators.h"
#include "ui_TForm1.h"

namespace parlhora {

namespace {

QString twoDigits(int hour) { return QStringLiteral("%1").arg(hour, 2, 10, QLatin1Char('0')); }

}  // namespace

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

void TForm1::collectHourItems() {
  auto* starts = new QActionGroup(this);
  auto* ends = new QActionGroup(this);
  for (int h = 0; h <= 24; ++h) {
    QAction* d = findChild<QAction*>(QLatin1Char('D') + twoDigits(h));
    QAction* f = findChild<QAction*>(QLatin1Char('F') + twoDigits(h));
    Q_ASSERT(d && f);
    hourItems_[h] = d;
    hourItems_[25 + h] = f;
    starts->addAction(d);
    ends->addAction(f);
    connect(d, &QAction::triggered, this, &TForm1::D00Click);
    connect(f, &QAction::triggered, this, &TForm1::F00Click);
  }
}

void TForm1::connectMenus() {
  auto* age = new QActionGroup(this);
  for (QAction* a : {ui_->MenuAnnonceToujours, ui_->MenuAnnonce1h, ui_->MenuAnnonce2h, ui_->MenuAnnonce3h})
    age->addAction(a);
  connect(age, &QActionGroup::triggered, this, [this](QAction* a) {
    const QAction* gates[] = {ui_->MenuAnnonceToujours, ui_->MenuAnnonce1h, ui_->MenuAnnonce2h,
                              ui_->MenuAnnonce3h};
    for (int i = 0; i < 4; ++i)
      if (gates[i] == a) settings_.announcement.weatherAgeGateHours = i;
  });
  auto* rose = new QActionGroup(this);
  rose->addAction(ui_->menu8secteurs);
  rose->addAction(ui_->Menu16secteurs);
  connect(rose, &QActionGroup::triggered, this,
          [this](QAction* a) { settings_.announcement.windRose16 = (a == ui_->Menu16secteurs); });

  connect(ui_->menuSaveConfig, &QAction::triggered, this, &TForm1::menuSaveConfigClick);
  connect(ui_->MenuQuitter, &QAction::triggered, this, &TForm1::MenuQuitterClick);
  connect(ui_->MenuSimuErreur, &QAction::triggered, this, &TForm1::MenuSimuErreurClick);
  connect(ui_->MenuRecord, &QAction::triggered, this, &TForm1::MenuRecordClick);
  connect(ui_->MenuUnits, &QAction::triggered, this, &TForm1::unitsRequested);
  connect(ui_->MenuChoix, &QAction::triggered, this, &TForm1::MenuChoixClick);
  connect(ui_->menurVoirMeteo, &QAction::triggered, this, &TForm1::menurVoirMeteoClick);
  connect(ui_->MenuCarteSon, &QAction::triggered, this, &TForm1::MenuCarteSonClick);
  connect(ui_->MenuCOM, &QAction::triggered, this, &TForm1::comWindowRequested);
  connect(ui_->MenuHilfe, &QAction::triggered, this, &TForm1::MenuHilfeClick);
  connect(ui_->MenuInfo, &QAction::triggered, this, &TForm1::infoRequested);
}

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


void TForm1::D00Click() { hourClicked(qobject_cast<QAction*>(sender()), QLatin1Char('D')); }

void TForm1::F00Click() { hourClicked(qobject_cast<QAction*>(sender()), QLatin1Char('F')); }

void TForm1::hourClicked(QAction* item, QChar prefix) {
  if (!item) return;
  const bool start = prefix == QLatin1Char('D');
  const ScheduleSettings& hours = settings_.schedule;
  const int before = start ? hours.startHour : hours.endHour;
  if (start)
    scheduler_.D00Click(item->objectName());
  else
    scheduler_.F00Click(item->objectName());
  // The menu checked the clicked item already; the model decides what stays checked.
  showHourMenus();
  const int after = start ? hours.startHour : hours.endHour;
  if (after == before) return;
  if (start)
    emit startHourChanged(after);
  else
    emit endHourChanged(after);
}

void TForm1::showHourMenus() {
  const HourMenus& menus = scheduler_.hourMenus();
  for (QAction* item : hourItems_) {
    const QString name = item->objectName();
    item->setChecked(name == menus.checkedStartItem() || name == menus.checkedEndItem());
  }
  ui_->MenuDebut->setTitle(menus.startCaption());
  ui_->MenuFin->setTitle(menus.endCaption());
}

void TForm1::Button1Click() { emit announceRequested(); }

void TForm1::Button2Click() {
  emit minimiseSaveRequested();
  minimise();
}

void TForm1::minimise() {
  // Without a notification area a hidden window could never come back.
  const bool toTray = ui_->CheckBoxReduire->isChecked() && QSystemTrayIcon::isSystemTrayAvailable();
  if (toTray)
    hide();
  else
    showMinimized();
  emit minimised(toTray);
}

void TForm1::CheckBoxReduireClick() {
  settings_.mainWindow.startMinimised = ui_->CheckBoxReduire->isChecked();
  if (!settings_.mainWindow.startMinimised) return;
  minimise();
  emit minimiseSaveRequested();
}

void TForm1::CheckBoxDemarrageClick() {
  settings_.mainWindow.autostart = ui_->CheckBoxDemarrage->isChecked();
  emit autostartChanged(settings_.mainWindow.autostart);
}

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

void TForm1::ButtonParcourirEnteteClick() { browse(Jingle::Header); }
void TForm1::ButtonParcourirPiroloClick() { browse(Jingle::Cuckoo); }
void TForm1::ButtonParcourirFinClick() { browse(Jingle::Final); }

void TForm1::browse(Jingle which) {
  const QString path =
      QFileDialog::getOpenFileName(this, QString(), QString(), QStringLiteral("Fichiers son *.wav (*.wav)"));
  if (!path.isEmpty()) acceptJingleFile(which, path);
}

bool TForm1::acceptJingleFile(Jingle which, const QString& path) {
  QPushButton* button = which == Jingle::Header   ? ui_->ButtonParcourirEnTete
                        : which == Jingle::Cuckoo ? ui_->ButtonParcourirPirolo
                                                  : ui_->ButtonParcourirFin;
  const bool kept = jingles_.accept(which, path);
  button->setToolTip(kept ? path : QString());
  return kept;
}

void TForm1::menuSaveConfigClick() { emit saveRequested(); }

void TForm1::MenuQuitterClick() {
  emit quitRequested();
  close();
}

void TForm1::MenuSimuErreurClick() { emit errorSimulationToggled(); }

void TForm1::MenuRecordClick() {
  settings_.announcement.record = ui_->MenuRecord->isChecked();
  if (settings_.announcement.record) emit recorderWindowRequested();
}

void TForm1::MenuChoixClick() {
  emit hideWeatherWindowsRequested();
  emit chooserRequested();
}

void TForm1::menurVoirMeteoClick() { emit weatherWindowRequested(); }

void TForm1::MenuHilfeClick() {
  const QString help = QDir(helpFolder_).filePath(QStringLiteral("parlhora_help.html"));
  if (!QFile::exists(help) || !QDesktopServices::openUrl(QUrl::fromLocalFile(help))) {
    notifier_.beep();
    emit statusReported(QStringLiteral("Fehler: parlhora_help.html"));
  }
}

void TForm1::MenuCarteSonClick() {
  soundCard_.open(settings_.sound.device, !ui_->Button1->isEnabled());
  showSoundCard();
}

void TForm1::BitBtnOKCarteSonClick() {
  soundCard_.setChoice(ui_->RadioButtonCarteMoi->isChecked() ? SoundCardPanel::Choice::User
                                                              : SoundCardPanel::Choice::System);
  soundCard_.select(ui_->ComboBoxChoixOut->currentIndex());
  if (!soundCard_.ok()) return;
  showSoundCard();
  emit soundDeviceChanged(soundCard_.device());
}

void TForm1::showSoundCard() {
  const QSignalBlocker block(ui_->ComboBoxChoixOut);
  ui_->ComboBoxChoixOut->clear();
  ui_->ComboBoxChoixOut->addItems(soundCard_.items());
  ui_->ComboBoxChoixOut->setCurrentIndex(soundCard_.selectedIndex());
  ui_->ComboBoxChoixOut->setPlaceholderText(soundCard_.listText());
  const bool mine = soundCard_.choice() == SoundCardPanel::Choice::User;
  ui_->RadioButtonCarteMoi->setChecked(mine);
  ui_->RadioButtonCarteWin->setChecked(!mine);
  ui_->BitBtnOKCarteSon->setEnabled(soundCard_.okEnabled());
  ui_->PanelCarteSon->setVisible(soundCard_.isVisible());
}

void TForm1::TrackBarVolumeChange(int position) {
  settings_.sound.volume = position;
  emit volumeChanged(position);
}

void TForm1::ButtonPlayWaveClick() { emit playWaveFileRequested(); }
void TForm1::ButtonPlayWaveResClick() { emit playWaveResRequested(); }

void TForm1::panel1Pressed(const QPoint& pos, Qt::MouseButton button) {
  const QRect gauge = ui_->Gauge1->geometry();
  if (pos.x() <= gauge.right() || pos.y() < gauge.top()) return;
  if (button != Qt::LeftButton && button != Qt::RightButton) return;
  settings_.sound.maxVolume = VolumeMath::gaugeClick(settings_.sound.maxVolume, button == Qt::LeftButton);
  ui_->Gauge1->setValue(settings_.sound.maxVolume);
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
