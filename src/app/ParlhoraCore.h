#pragma once

#include <QObject>
#include <functional>

#include "app/AnnouncerService.h"
#include "app/AnnouncerSettings.h"
#include "app/LogList.h"
#include "platform/PlatformSet.h"
#include "app/SettingsService.h"
#include "app/StatusLine.h"
#include "app/WeatherService.h"
#include "link/CooperationService.h"
#include "update/UpdateService.h"

namespace parlhora {

/// The whole program without its windows: the settings, the status line and
/// the log, then the services in their start-up order — the cooperation
/// with the sibling programs, the weather, and the announcer (which speaks
/// the weather and calls on the other two) — each with its own load and
/// close steps. The program with
/// windows, --headless and the one-shot commands all run this same object;
/// windows are views of its services.
///
/// Core thread only. Borrows the platform set, which must outlive it.
class ParlhoraCore : public QObject {
  Q_OBJECT

 public:
  struct Options {
    bool settingsExisted = false;  // parlhora.ini was there at start
    bool logExisted = false;       // parlhora.log was there at start
    /// A one-shot command (say): the autostart entry, the settings file and
    /// the log are left as they are.
    bool oneShot = false;
  };

  ParlhoraCore(PlatformSet platform, Options options);
  ~ParlhoraCore() override;

  /// Start-up after the windows exist: the port list, then the tick, whose
  /// first run (500 ms later) loads the settings.
  void FormCreate();
  /// The first tick's work: reads parlhora.ini and finishes the start-up.
  void LoadSettings();
  /// "Konfiguration speichern"; false (after beep and status text) on failure.
  /// An explicit save also lifts the hold put on an unreadable file.
  bool SaveSettings();
  /// Shutdown after the windows copied their geometry into the models: the
  /// save, then every release step, each guarded.
  void FormClose();

  /// `Button2` and checking `CheckBoxReduire` by hand. Loading sets the box
  /// without running its handler, so no save is ever caused by the start
  /// and no latch is needed to skip one.
  void saveOnMinimise();
  /// `CheckBoxDemarrage` changed: writes or removes the autostart entry.
  void setAutostart(bool enabled);
  /// Runs just before every save (the windows copy what they show).
  void setBeforeSave(std::function<void()> beforeSave) { beforeSave_ = std::move(beforeSave); }

  AnnouncerSettings& settings() { return settings_; }
  StatusLine& status() { return status_; }
  LogList& log() { return log_; }
  AnnouncerService& announcer() { return announcer_; }
  WeatherService& weather() { return weather_; }
  CooperationService& cooperation() { return cooperation_; }
  UpdateService& update() { return update_; }
  Clock& clock() { return platform_.clock; }
  const QString& programFolder() const { return platform_.programFolder; }
  const QString& weatherFolder() const { return platform_.weatherFolder; }
  bool loaded() const { return !announcer_.sequencer().loading(); }
  const LoadReport& loadReport() const { return loadReport_; }

 signals:
  /// The settings were loaded: views fill their controls and show.
  void settingsLoaded();

 private:
  QString linkSuffixInFile() const;

  PlatformSet platform_;
  Options options_;
  AnnouncerSettings settings_;
  StatusLine status_;
  LogList log_;
  SettingsService settingsService_;
  // The sibling programs: the announcer's hooks, so it comes first.
  CooperationService cooperation_;
  WeatherService weather_;
  AnnouncerService announcer_;
  UpdateService update_;
  LoadReport loadReport_;
  std::function<void()> beforeSave_;
  // parlhora.ini existed but could not be read: saving the defaults over it
  // on close or minimise would destroy the user's settings.
  bool holdImplicitSaves_ = false;
  bool closed_ = false;
};

}  // namespace parlhora
