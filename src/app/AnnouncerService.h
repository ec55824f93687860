#pragma once

#include <QObject>

#include "app/AnnouncerSettings.h"
#include "platform/PlatformSet.h"
#include "app/Scheduler.h"
#include "app/SerialKeying.h"
#include "audio/JingleFiles.h"
#include "audio/Sequencer.h"
#include "audio/SoundCardPanel.h"
#include "audio/StationId.h"
#include "audio/WaveEngine.h"
#include "serial/SerialControl.h"

namespace parlhora {

class LogList;
class PartnerLink;
class RecorderHooks;
class StatusLine;
class WeatherSpeech;
struct LoadReport;

/// The speaking clock: the wave engine, the sequencer, the once-a-second
/// tick and the serial keying, with their wiring and their share of the
/// start-up and shutdown. Core thread only; borrows everything it is given.
class AnnouncerService : public QObject {
  Q_OBJECT

 public:
  AnnouncerService(PlatformSet& platform, AnnouncerSettings& settings, StatusLine& status, LogList& log,
                   WeatherSpeech& weather, PartnerLink& link, RecorderHooks& recorder);
  ~AnnouncerService() override;

  /// What the tick asks of the rest of the core.
  void setLoadSettings(std::function<void()> load);
  void setHourlyLog(std::function<bool(int hour, int minute)> hourlyLog);

  /// FormCreate: the port list, then the tick.
  void start();
  /// The settings were read: hours and port. The port's error box runs
  /// events: the program may have closed meanwhile.
  void loadPort(const LoadReport& report);
  /// Audio buffers, device, period and volume.
  void loadSound();
  /// End of loading: the COM window's list, then announcements may start.
  void finishLoad();
  void stopTick() { scheduler_.stop(); }
  void startTick() { scheduler_.start(); }
  /// Shutdown: nothing starts any more, the transmitter is unkeyed.
  void stopAnnouncements();
  /// After the save: device, buffers, port, each on its own.
  void release();

  void setSoundDevice(int device);
  void ButtonPlayWaveClick();
  void ButtonPlayWaveResClick();
  void TrackBarVolumeChange(int position);
  void readBackVolume();
  void setPieceObserver(std::function<void(WaveOrigin, const QString&)> observer);

  WaveEngine& engine() { return engine_; }
  Sequencer& sequencer() { return sequencer_; }
  const Sequencer& sequencer() const { return sequencer_; }
  Scheduler& scheduler() { return scheduler_; }
  SerialControl& serial() { return serial_; }
  SoundCardPanel& soundCard() { return soundCard_; }
  JingleFiles& jingles() { return jingles_; }

 signals:
  /// The tick split a new reading of the clock (date and time boxes).
  void clockTextsChanged();
  /// The announcement started or ended (buttons enabled or not).
  void busyChanged();
  /// The port, its lines or the port list changed.
  void linesChanged();
  /// The device volume or balance was read back into the settings.
  void volumeChanged();

 private:
  PlatformSet& platform_;
  AnnouncerSettings& settings_;
  WaveEngine engine_;
  SerialControl serial_;
  SerialKeying keying_;
  Sequencer sequencer_;
  Scheduler scheduler_;
  SoundCardPanel soundCard_;
  JingleFiles jingles_;
  // A chosen port that could not be opened is tried again on its own timer,
  // apart from the tick.
  ClockTimer portRetry_;
  std::function<void()> loadSettings_;
  std::function<bool(int, int)> hourlyLog_;
  StationId stationId_;
};

}  // namespace parlhora
