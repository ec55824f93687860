#pragma once

#include <QString>
#include <cstdint>
#include <functional>

#include "audio/TimeSpeech.h"
#include "audio/WaveEngine.h"
#include "platform/ClockTimer.h"

namespace parlhora {

class PartnerLink;
class RecorderHooks;
class StationId;
class Clock;
class Keying;
class WeatherSpeech;
struct AnnouncementOptions;

/// The announcement: a step machine entered once at the start (`Button1Click`)
/// and once after every finished piece (`TimerFinWaveTimer`), plus the
/// two-minute safety reset (`TimerSecurite`) and the abort key.
///
/// Core thread only. Borrows everything passed to the constructor; all of it
/// must outlive the sequencer. Waits go through Clock::waitMs, so ticks,
/// keys and device events may run inside any call; the busy flag keeps a
/// second announcement from starting then.
class Sequencer {
 public:
  static constexpr int kSafetyMs = 120000;   // TimerSecurite
  static constexpr int kItemPauseMs = 100;   // before "it is" / the hour / a weather item
  static constexpr int kPreRollMs = 300;     // after keying, before the first sound
  static constexpr int kLinkPauseMs = 1000;  // before the simplex link is reopened
  static constexpr int kEscKey = 27;

  /// Step numbers that the weather part and tests refer to.
  enum Step { Idle = 0, Weather = 12, WeatherNext = 13, Final = 58, End = 59 };
  /// After the final jingle: the pause, then the station identification.
  static constexpr int kIdentifyStep = 60;
  static constexpr int kIdentifyPauseMs = 500;

  Sequencer(WaveEngine& engine, Clock& clock, Keying& keying, PartnerLink& link, RecorderHooks& recorder,
            WeatherSpeech& weather, const AnnouncementOptions& options);
  Sequencer(const Sequencer&) = delete;
  Sequencer& operator=(const Sequencer&) = delete;

  /// Receives the status texts for `EditData` ("PARLHORA SPIEL", ...).
  void setStatusSink(std::function<void(const QString&)> sink);
  /// Receives the cause of a reset forced by the safety timer.
  void setLogSink(std::function<void(const QString&)> sink);
  /// Called whenever button1Enabled() or soundCardOkEnabled() changes.
  void setStateChanged(std::function<void()> changed);
  /// The identification that ends every announcement when due (null = none).
  void setIdentification(StationId* identification) { identification_ = identification; }
  /// The events to give WaveEngine::setEvents: status to the status sink,
  /// piece finished to TimerFinWaveTimer, failure to the forced safety reset.
  /// `started` (optional) sees every piece and file as it starts.
  WaveEngine::Events engineEvents(std::function<void(WaveOrigin, const QString&)> started = {});

  /// "Nachricht &hören": starts an announcement unless refused (settings
  /// loading, already busy, channel busy with `CheckBoxDCD`).
  void Button1Click();
  /// A piece finished: runs the next step while an announcement is on.
  void TimerFinWaveTimer();
  /// Safety-timer expiry. While playback has made progress since the last
  /// look (a block returned, a piece started) it re-arms; otherwise it
  /// resets, writing the cause to the status line and the log sink.
  void TimerSecuriteTimer();
  /// A reader or device failure: ends the announcement at once.
  void onPlaybackFailure();
  /// Main window key handler: Esc while busy ends after the current piece.
  void FormKeyDown(int key);
  /// Hidden menu "Simu Errreur (caché)": toggles the error simulation.
  void MenuSimuErreurClick();
  /// Program exit: stops the safety timer and drops the transmitter lines.
  void shutdown();

  /// The clock reading split by the second tick; an announcement speaks the
  /// reading current at its start.
  void setTime(const SpokenTime& time);
  const SpokenTime& time() const { return time_; }

  void setLoading(bool loading) { loading_ = loading; }
  bool loading() const { return loading_; }
  /// Set by the simplex link before it clicks Button1 for its partner.
  void setStartedByPartner(bool byPartner) { startedByPartner_ = byPartner; }
  bool startedByPartner() const { return startedByPartner_; }
  bool errorSimulation() const { return errorSimulation_; }

  bool busy() const { return busy_; }
  int step() const { return step_; }
  bool button1Enabled() const { return button1Enabled_; }
  bool soundCardOkEnabled() const { return soundCardOkEnabled_; }
  bool safetyTimerActive() const { return timerSecurite_.isActive(); }

 private:
  void start();
  void run();
  bool stepDate();
  bool stepTime();
  bool stepWeather();
  bool identify();
  void end();
  void reset();
  bool play(WaveOrigin origin, const QString& what);
  bool pause(int ms);
  void dropLines();
  void setControls(bool idle);
  void status(const QString& text);

  WaveEngine& engine_;
  Clock& clock_;
  Keying& keying_;
  PartnerLink& link_;
  RecorderHooks& recorder_;
  WeatherSpeech& weather_;
  const AnnouncementOptions& options_;
  std::function<void(const QString&)> statusSink_;
  std::function<void(const QString&)> logSink_;
  std::function<void()> stateChanged_;
  ClockTimer timerSecurite_;
  StationId* identification_ = nullptr;

  SpokenTime time_;
  SpokenTime spoken_;
  int step_ = Idle;
  bool busy_ = false;
  bool loading_ = false;
  bool startedByPartner_ = false;
  bool errorSimulation_ = false;
  bool escaped_ = false;
  bool keyed_ = false;
  std::uint64_t progressSeen_ = 0;
  bool resetting_ = false;
  bool button1Enabled_ = true;
  bool soundCardOkEnabled_ = true;
  // Changes at every start and reset, so code resuming after a wait can
  // tell that its announcement is over.
  std::uint64_t run_ = 0;
};

}  // namespace parlhora
