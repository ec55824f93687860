#pragma once

#include <QList>
#include <memory>

#include "weather/WeatherSource.h"

class QWidget;

namespace parlhora {

struct AnnouncerSettings;
class Notifier;
class ParlhoraCore;
class WeatherService;
class TForm1;
class TFormInfo;
class TFormMeteo;
class TFormChoixMeteo;
class TFormMeteoW23;
class TFormMeteoW28;
class TFormMeteoAPRS;
class TFormMeteoPro2;
class TFormMyUnits;
class TFormFavAPRS;
class TFormCOM;
class TFormRecord;
class TFormMeteoMETAR;
class TFormFavMETAR;
class TrayIcon;
class TFormMeteoNet;

/// Creates the main window, the thirteen secondary windows (in the start-up
/// order) and the tray icon, each given the core model or service it shows,
/// owns them, and does the window-to-window work: which weather window
/// shows, restoring from the tray, closing everything with the main window.
/// The weather-window geometry and visibility are copied into the settings
/// from TForm1::closing before any later-connected slot (the core's save)
/// runs. Main thread only; core and notifier must outlive it.
class WindowSet {
 public:
  WindowSet(ParlhoraCore& core, Notifier& notifier);
  ~WindowSet();
  WindowSet(const WindowSet&) = delete;
  WindowSet& operator=(const WindowSet&) = delete;

  TForm1& main() { return *main_; }
  TFormInfo& info() { return *info_; }
  TFormMeteo& monitor() { return *monitor_; }
  TFormChoixMeteo& chooser() { return *chooser_; }
  TFormMeteoW23& w23() { return *w23_; }
  TFormMeteoW28& w28() { return *w28_; }
  TFormMeteoAPRS& aprs() { return *aprs_; }
  TFormMeteoPro2& pro2() { return *pro2_; }
  TFormMyUnits& units() { return *units_; }
  TFormFavAPRS& favAprs() { return *favAprs_; }
  TFormCOM& com() { return *com_; }
  TFormRecord& recorder() { return *recorder_; }
  TFormMeteoMETAR& metar() { return *metar_; }
  TFormFavMETAR& favMetar() { return *favMetar_; }
  TrayIcon& tray() { return *tray_; }
  TFormMeteoNet& net() { return *net_; }

  /// All fifteen windows in creation order, the main window first.
  QList<QWidget*> windows() const;
  /// The seven source windows: Monitor II, APRS, METAR, WS-23xx, WS-28xx, Pro2, network station.
  QList<QWidget*> weatherWindows() const;

  /// End of loading: the main window appears at its remembered place, unless
  /// it starts minimised; then only the tray icon shows, or, on a desktop
  /// without a notification area, the window is minimised to the task bar.
  void showAfterLoad();
  /// Shows, restores and raises the main window (tray "Restaurer", double click).
  void restoreMain();
  /// Hides every visible weather window, remembering its place.
  void hideWeatherWindows();
  /// The window of the chosen source, or the chooser when none is chosen.
  void showWeatherWindow();
  void showChooser();
  /// Copies the place of the last visible weather window into the settings,
  /// and whether any is visible (FORMMETEO=). Once the windows are closing,
  /// the values taken just before stay.
  void rememberWeatherGeometry();
  /// End of loading: with FORMMETEO=N the weather windows stay hidden.
  void applyWeatherVisibility();

 private:
  void connectMain();
  QWidget* sourceWindow() const;
  void showAt(QWidget& window);
  void connectAprs();
  void sourcePicked(WeatherSource source, int show);

  AnnouncerSettings& settings_;
  WeatherService& weather_;
  bool closing_ = false;
  std::unique_ptr<TForm1> main_;
  std::unique_ptr<TFormInfo> info_;
  std::unique_ptr<TFormMeteo> monitor_;
  std::unique_ptr<TFormChoixMeteo> chooser_;
  std::unique_ptr<TFormMeteoW23> w23_;
  std::unique_ptr<TFormMeteoW28> w28_;
  std::unique_ptr<TFormMeteoAPRS> aprs_;
  std::unique_ptr<TFormMeteoPro2> pro2_;
  std::unique_ptr<TFormMyUnits> units_;
  std::unique_ptr<TFormFavAPRS> favAprs_;
  std::unique_ptr<TFormCOM> com_;
  std::unique_ptr<TFormRecord> recorder_;
  std::unique_ptr<TFormMeteoMETAR> metar_;
  std::unique_ptr<TFormFavMETAR> favMetar_;
  std::unique_ptr<TrayIcon> tray_;
  std::unique_ptr<TFormMeteoNet> net_;
};

}  // namespace parlhora
