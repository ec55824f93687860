#include "gui/TForm1.h"

// The main window's menus: hour ranges, weather-age gate, wind rose and the
// items that open other windows.

#include <QActionGroup>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QUrl>

#include "app/AnnouncerSettings.h"
#include "app/Scheduler.h"
#include "platform/Notifier.h"
#include "ui_TForm1.h"

namespace parlhora {

namespace {

QString twoDigits(int hour) { return QStringLiteral("%1").arg(hour, 2, 10, QLatin1Char('0')); }

}  // namespace

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
  const bool present = QFile::exists(help);
  if (present && QDesktopServices::openUrl(QUrl::fromLocalFile(help))) return;
  notifier_.beep();
  emit statusReported(QStringLiteral("Fehler: parlhora_help.html"));
  emit logLine(present ? QStringLiteral("Fehler: kein Web-Browser für parlhora_help.html gefunden")
                       : QStringLiteral("Fehler: parlhora_help.html nicht vorhanden"));
}

}  // namespace parlhora
