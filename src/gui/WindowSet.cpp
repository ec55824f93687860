#include "gui/WindowSet.h"

#include <QWidget>

#include "app/AnnouncerSettings.h"
#include "gui/TForm1.h"
#include "gui/TFormCOM.h"
#include "gui/TFormChoixMeteo.h"
#include "gui/TFormFavAPRS.h"
#include "gui/TFormFavMETAR.h"
#include "gui/TFormInfo.h"
#include "gui/TFormMeteo.h"
#include "gui/TFormMeteoAPRS.h"
#include "gui/TFormMeteoMETAR.h"
#include "gui/TFormMeteoPro2.h"
#include "gui/TFormMeteoW23.h"
#include "gui/TFormMeteoW28.h"
#include "gui/TFormMyUnits.h"
#include "gui/TFormRecord.h"
#include "gui/TrayIcon.h"

namespace parlhora {

WindowSet::WindowSet(AnnouncerSettings& settings, Notifier& notifier)
    : settings_(settings),
      main_(std::make_unique<TForm1>(settings, notifier)),
      info_(std::make_unique<TFormInfo>()),
      monitor_(std::make_unique<TFormMeteo>()),
      chooser_(std::make_unique<TFormChoixMeteo>()),
      w23_(std::make_unique<TFormMeteoW23>()),
      w28_(std::make_unique<TFormMeteoW28>()),
      aprs_(std::make_unique<TFormMeteoAPRS>()),
      pro2_(std::make_unique<TFormMeteoPro2>()),
      units_(std::make_unique<TFormMyUnits>()),
      favAprs_(std::make_unique<TFormFavAPRS>()),
      com_(std::make_unique<TFormCOM>(settings.lines)),
      recorder_(std::make_unique<TFormRecord>(settings.mainWindow.recorderPath, notifier)),
      metar_(std::make_unique<TFormMeteoMETAR>()),
      favMetar_(std::make_unique<TFormFavMETAR>()),
      tray_(std::make_unique<TrayIcon>()) {
  connectMain();
  tray_->add();
}

WindowSet::~WindowSet() { tray_->remove(); }

QList<QWidget*> WindowSet::windows() const {
  return {main_.get(), info_.get(),     monitor_.get(), chooser_.get(), w23_.get(),
          w28_.get(),  aprs_.get(),     pro2_.get(),    units_.get(),   favAprs_.get(),
          com_.get(),  recorder_.get(), metar_.get(),   favMetar_.get()};
}

QList<QWidget*> WindowSet::weatherWindows() const {
  return {monitor_.get(), aprs_.get(), metar_.get(), w23_.get(), w28_.get(), pro2_.get()};
}

void WindowSet::connectMain() {
  TForm1* m = main_.get();
  QObject::connect(m, &TForm1::infoRequested, info_.get(), [this] { showAt(*info_); });
  QObject::connect(m, &TForm1::unitsRequested, units_.get(), [this] { showAt(*units_); });
  QObject::connect(m, &TForm1::comWindowRequested, com_.get(), [this] { showAt(*com_); });
  QObject::connect(m, &TForm1::recorderWindowRequested, recorder_.get(), [this] { showAt(*recorder_); });
  QObject::connect(m, &TForm1::chooserRequested, chooser_.get(), [this] { showChooser(); });
  QObject::connect(m, &TForm1::weatherWindowRequested, m, [this] { showWeatherWindow(); });
  QObject::connect(m, &TForm1::hideWeatherWindowsRequested, m, [this] { hideWeatherWindows(); });
  QObject::connect(m, &TForm1::quitRequested, m, [this] { tray_->remove(); });
  QObject::connect(m, &TForm1::closing, m, [this] {
    rememberWeatherGeometry();
    tray_->remove();
    // The program ends with its main window, whatever else is open.
    for (QWidget* w : windows())
      if (w != main_.get()) w->close();
  });
  QObject::connect(tray_.get(), &TrayIcon::quitRequested, m, &QWidget::close);
  QObject::connect(tray_.get(), &TrayIcon::restoreRequested, m, [this] { restoreMain(); });
  QObject::connect(tray_.get(), &TrayIcon::minimiseRequested, m, &TForm1::Button2Click);
}

void WindowSet::showAfterLoad() {
  main_->move(settings_.mainWindow.left, settings_.mainWindow.top);
  if (!settings_.mainWindow.startMinimised) {
    restoreMain();
  } else if (!TrayIcon::available()) {
    main_->showMinimized();
  }
}

void WindowSet::restoreMain() {
  main_->showNormal();
  main_->raise();
  main_->activateWindow();
}

void WindowSet::hideWeatherWindows() {
  rememberWeatherGeometry();
  for (QWidget* w : weatherWindows()) w->hide();
}

QWidget* WindowSet::sourceWindow() const {
  switch (settings_.source) {
    case WeatherSource::MON:
      return monitor_.get();
    case WeatherSource::W23:
      return w23_.get();
    case WeatherSource::W28:
      return w28_.get();
    case WeatherSource::APRS:
      return aprs_.get();
    case WeatherSource::PRO2:
      return pro2_.get();
    case WeatherSource::METAR:
      return metar_.get();
    case WeatherSource::None:
      break;
  }
  return nullptr;
}

void WindowSet::showWeatherWindow() {
  QWidget* window = sourceWindow();
  if (!window) {
    showChooser();
    return;
  }
  const auto& m = settings_.mainWindow;
  window->setGeometry(m.weatherLeft, m.weatherTop, m.weatherWidth, m.weatherHeight);
  showAt(*window);
}

void WindowSet::showChooser() {
  // Centred on the main window.
  const QRect frame = main_->geometry();
  chooser_->move(frame.center() - chooser_->rect().center());
  showAt(*chooser_);
}

void WindowSet::rememberWeatherGeometry() {
  auto& m = settings_.mainWindow;
  for (QWidget* w : weatherWindows()) {
    if (!w->isVisible()) continue;
    m.weatherTop = w->y();
    m.weatherLeft = w->x();
    m.weatherWidth = w->width();
    m.weatherHeight = w->height();
  }
}

void WindowSet::showAt(QWidget& window) {
  window.show();
  window.raise();
}

}  // namespace parlhora
