#pragma once

#include <functional>
#include <memory>

#include "app/AnnouncerSettings.h"
#include "app/LogList.h"
#include "app/PlatformSet.h"
#include "app/Scheduler.h"
#include "app/SerialKeying.h"
#include "app/SettingsService.h"
#include "app/StatusLine.h"
#include "audio/AnnouncementHooks.h"
#include "audio/JingleFiles.h"
#include "audio/Sequencer.h"
#include "audio/SoundCardPanel.h"
#include "audio/WaveEngine.h"
#include "audio/WeatherSpeech.h"
#include "link/CooperationService.h"
#include "serial/SerialControl.h"

namespace parlhora {

/// The whole program without its windows: the settings models, the status
/// line, the log, the wave engine, the sequencer, the once-a-second tick and
/// the serial port, wired together in the start-up and shutdown order of the
/// main window. The program with windows, --headless and the one-shot
/// commands all run this same object; windows are views of it.
///
/// Core thread only. Borrows the platform set, which must outlive it.
class ParlhoraCore {
 public:
  struct Options {
    bool settingsExisted = false;  // parlhora.ini was there at start
    bool logExisted = false;       // parlhora.log was there at start
    /// A one-shot command (say): the autostart entry, the settings file and
    /// the log are left as they are.
    bool oneShot = false;
  };

  ParlhoraCore(PlatformSet platform, Options options);
  ~ParlhoraCore();
  ParlhoraCore(const ParlhoraCore&) = delete;
  ParlhoraCore& operator=(const ParlhoraCore&) = delete;

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
  /// The sound-card panel's OK chose `device` (-1 = system default): used
  /// from the next piece on, at the volume the slider shows.
  void setSoundDevice(int device);
  /// "Wave ext" and "Wave int"; nothing while an announcement runs, whose
  /// step machine would take the test piece's end for its own.
  void ButtonPlayWaveClick();
  void ButtonPlayWaveResClick();
  /// The volume slider moved.
  void TrackBarVolumeChange(int position);
  /// Step 2 of the tick: the device volume back into the slider and balance.
  void readBackVolume();

  AnnouncerSettings& settings() { return settings_; }
  StatusLine& status() { return status_; }
  LogList& log() { return log_; }
  WaveEngine& engine() { return engine_; }
  Sequencer& sequencer() { return sequencer_; }
  Scheduler& scheduler() { return scheduler_; }
  SerialControl& serial() { return serial_; }
  SoundCardPanel& soundCard() { return soundCard_; }
  JingleFiles& jingles() { return jingles_; }
  CooperationService& cooperation() { return cooperation_; }
  Clock& clock() { return platform_.clock; }
  const QString& programFolder() const { return platform_.programFolder; }
  const QString& weatherFolder() const { return platform_.weatherFolder; }
  bool loaded() const { return !sequencer_.loading(); }
  const LoadReport& loadReport() const { return loadReport_; }

  /// Sees every built-in piece and jingle file as it starts (dry runs).
  void setPieceObserver(std::function<void(WaveOrigin, const QString&)> observer);

  /// Views: called after the settings were loaded (show or minimise the
  /// windows, fill the controls) and after any state a view mirrors changed.
  std::function<void()> onLoaded;
  std::function<void()> onChanged;

 private:
  void notifyChanged();

  PlatformSet platform_;
  Options options_;
  AnnouncerSettings settings_;
  StatusLine status_;
  LogList log_;
  SettingsService settingsService_;
  WaveEngine engine_;
  SerialControl serial_;
  SerialKeying keying_;
  CooperationService cooperation_;
  WeatherSpeech noWeather_;
  Sequencer sequencer_;
  Scheduler scheduler_;
  SoundCardPanel soundCard_;
  JingleFiles jingles_;
  LoadReport loadReport_;
  // parlhora.ini existed but could not be read: saving the defaults over it
  // on close or minimise would destroy the user's settings.
  bool holdImplicitSaves_ = false;
  bool closed_ = false;
};

}  // namespace parlhora
