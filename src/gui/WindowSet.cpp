#include "gui/WindowSet.h"

#include <QWidget>

#include "app/AnnouncerSettings.h"
#include "app/ParlhoraCore.h"
#include "internet/AprsSource.h"
#include "internet/FavouriteSlots.h"
#include "internet/MetarSource.h"
#include "stations/MonitorSource.h"
#include "stations/Pro2Controller.h"
#include "stations/W23Controller.h"
#include "stations/W28Controller.h"
#include "stations/net/NetSource.h"
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
#include "gui/TFormMeteoNet.h"
#include "gui/TFormMyUnits.h"
#include "gui/TFormRecord.h"
#include "gui/TrayIcon.h"
#include "gui/WindowPlacement.h"
#include "internet/AprsSource.h"
#include "internet/FavouriteSlots.h"
#include "internet/MetarSource.h"
#include "stations/MonitorSource.h"
#include "stations/Pro2Controller.h"
#include "stations/W23Controller.h"
#include "stations/W28Controller.h"

namespace parlhora {

namespace {

// The controller a source window shows; every source is registered.
template <typename T>
T& sourceAs(ParlhoraCore& core, WeatherSource id) {
  return *qobject_cast<T*>(core.weather().source(id));
}

}  // namespace

WindowSet::WindowSet(ParlhoraCore& core, Notifier& notifier)
    : settings_(core.settings()),
      weather_(core.weather()),
      main_(std::make_unique<TForm1>(
          TForm1::Models{core.settings(), core.announcer().scheduler(), core.announcer().jingles(),
                         core.announcer().soundCard(), core.programFolder()},
          notifier)),
      info_(std::make_unique<TFormInfo>(core.update().check())),
      monitor_(std::make_unique<TFormMeteo>(sourceAs<MonitorSource>(core, WeatherSource::MON),
                                            core.settings().monitor)),
      chooser_(std::make_unique<TFormChoixMeteo>(core.weather())),
      w23_(std::make_unique<TFormMeteoW23>(sourceAs<W23Controller>(core, WeatherSource::W23),
                                           core.settings().w23)),
      w28_(std::make_unique<TFormMeteoW28>(sourceAs<W28Controller>(core, WeatherSource::W28),
                                           core.settings().w28)),
      aprs_(std::make_unique<TFormMeteoAPRS>(sourceAs<AprsSource>(core, WeatherSource::APRS),
                                             core.weather().network())),
      pro2_(std::make_unique<TFormMeteoPro2>(sourceAs<Pro2Controller>(core, WeatherSource::PRO2),
                                             core.settings().pro2)),
      units_(std::make_unique<TFormMyUnits>(core.weather())),
      favAprs_(std::make_unique<TFormFavAPRS>(core.settings().aprs.favourites)),
      com_(std::make_unique<TFormCOM>(core.settings().lines)),
      recorder_(std::make_unique<TFormRecord>(core.settings().mainWindow.recorderPath, notifier)),
      metar_(std::make_unique<TFormMeteoMETAR>(sourceAs<MetarSource>(core, WeatherSource::METAR))),
      favMetar_(std::make_unique<TFormFavMETAR>(core.settings().metar.favourites)),
      tray_(std::make_unique<TrayIcon>()),
      net_(std::make_unique<TFormMeteoNet>(sourceAs<NetSource>(core, WeatherSource::NET))) {
  connectMain();
  auto log = [&core](const QString& text) { core.log().AppendLogLine(text); };
  QObject::connect(main_.get(), &TForm1::logLine, main_.get(), log);
  QObject::connect(info_.get(), &TFormInfo::logLine, info_.get(), log);
  QObject::connect(aprs_.get(), &TFormMeteoAPRS::logLine, aprs_.get(), log);
  QObject::connect(&weather_, &WeatherService::sourcePicked, main_.get(),
                   [this](WeatherSource source, SourceController::Show show) {
                     sourcePicked(source, static_cast<int>(show));
                   });
  tray_->add();
}

WindowSet::~WindowSet() { tray_->remove(); }

QList<QWidget*> WindowSet::windows() const {
  return {main_.get(), info_.get(),     monitor_.get(), chooser_.get(), w23_.get(),
          w28_.get(),  aprs_.get(),     pro2_.get(),    units_.get(),   favAprs_.get(),
          com_.get(),  recorder_.get(), metar_.get(),   favMetar_.get(), net_.get()};
}

QList<QWidget*> WindowSet::weatherWindows() const {
  return {monitor_.get(), aprs_.get(), metar_.get(), w23_.get(), w28_.get(), pro2_.get(), net_.get()};
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
    closing_ = true;
    tray_->remove();
    // The program ends with its main window, whatever else is open.
    for (QWidget* w : windows())
      if (w != main_.get()) w->close();
  });
  QObject::connect(metar_.get(), &TFormMeteoMETAR::favouritesRequested, favMetar_.get(),
                   [this] { showAt(*favMetar_); });
  QObject::connect(metar_.get(), &TFormMeteoMETAR::helpRequested, m, &TForm1::MenuHilfeClick);
  QObject::connect(metar_.get(), &TFormMeteoMETAR::closed, favMetar_.get(), &QWidget::close);
  if (auto* metar = qobject_cast<MetarSource*>(weather_.source(WeatherSource::METAR)))
    QObject::connect(metar, &MetarSource::hideFavouritesRequested, favMetar_.get(), &QWidget::hide);
  connectAprs();
  QObject::connect(tray_.get(), &TrayIcon::quitRequested, m, &QWidget::close);
  QObject::connect(tray_.get(), &TrayIcon::restoreRequested, m, [this] { restoreMain(); });
  QObject::connect(tray_.get(), &TrayIcon::minimiseRequested, m, &TForm1::Button2Click);
}

void WindowSet::connectAprs() {
  QObject::connect(aprs_.get(), &TFormMeteoAPRS::favouritesRequested, favAprs_.get(),
                   [this] { showAt(*favAprs_); });
  QObject::connect(aprs_.get(), &TFormMeteoAPRS::closed, favAprs_.get(), &QWidget::close);
  auto* aprs = qobject_cast<AprsSource*>(weather_.source(WeatherSource::APRS));
  auto* metar = qobject_cast<MetarSource*>(weather_.source(WeatherSource::METAR));
  if (aprs) QObject::connect(aprs, &AprsSource::hideFavouritesRequested, favAprs_.get(), &QWidget::hide);
  const FavouriteSlots::Target metarTarget{[this] { return metar_->isVisible(); },
                                           [metar](const QString& a) {
                                             if (!metar) return;
                                             metar->EditDatChange(a);
                                             metar->ButtonRafraichirClick();
                                           }};
  const FavouriteSlots::Target aprsTarget{[this] { return aprs_->isVisible(); },
                                          [aprs](const QString& a) {
                                            if (!aprs) return;
                                            aprs->EditDatChange(a);
                                            aprs->ButtonRafraichirClick();
                                          }};
  QObject::connect(favMetar_.get(), &FavouriteWindow::slotClicked, favMetar_.get(),
                   [metarTarget, aprsTarget](int slot, const QByteArray& text) {
                     FavouriteSlots::click(slot, text, false, metarTarget, aprsTarget);
                   });
  QObject::connect(favAprs_.get(), &FavouriteWindow::slotClicked, favAprs_.get(),
                   [metarTarget, aprsTarget](int slot, const QByteArray& text) {
                     FavouriteSlots::click(slot, text, true, metarTarget, aprsTarget);
                   });
}

void WindowSet::showAfterLoad() {
  WindowPlacement::placeAt(*main_, settings_.mainWindow.left, settings_.mainWindow.top);
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
    case WeatherSource::NET:
      return net_.get();
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
  WindowPlacement::place(*window, m.weatherLeft, m.weatherTop, m.weatherWidth, m.weatherHeight);
  showAt(*window);
}

void WindowSet::showChooser() { chooser_->showCentredOn(*main_); }

void WindowSet::sourcePicked(WeatherSource source, int show) {
  QWidget* window = sourceWindow();
  if (!window || source != settings_.source) return;
  using Show = SourceController::Show;
  const bool minimised = settings_.mainWindow.startMinimised;
  switch (static_cast<Show>(show)) {
    case Show::UnlessMinimised:
      if (!minimised) showWeatherWindow();
      break;
    case Show::InPlaceUnlessMinimised:
      // A window already open stays where it is; one opening takes the
      // remembered place.
      if (minimised) break;
      if (window->isVisible())
        showAt(*window);
      else
        showWeatherWindow();
      break;
    case Show::Always:
      showWeatherWindow();
      break;
  }
}

void WindowSet::applyWeatherVisibility() {
  if (settings_.mainWindow.showWeatherWindow) return;
  for (QWidget* w : weatherWindows()) w->hide();
}

void WindowSet::rememberWeatherGeometry() {
  if (closing_) return;
  auto& m = settings_.mainWindow;
  m.showWeatherWindow = false;
  for (QWidget* w : weatherWindows()) {
    if (!w->isVisible()) continue;
    m.showWeatherWindow = true;
    const QRect frame = WindowPlacement::frameOf(*w);
    m.weatherTop = frame.top();
    m.weatherLeft = frame.left();
    m.weatherWidth = frame.width();
    m.weatherHeight = frame.height();
  }
}

void WindowSet::showAt(QWidget& window) {
  // A source window, when shown, takes the chooser's place.
  if (weatherWindows().contains(&window)) chooser_->hide();
  window.show();
  window.raise();
}

}  // namespace parlhora
