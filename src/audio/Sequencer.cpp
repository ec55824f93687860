#include "audio/Sequencer.h"

#include <QFile>
#include <algorithm>

#include "audio/PartnerLink.h"
#include "audio/RecorderHooks.h"
#include "audio/AnnouncementOptions.h"
#include "audio/Keying.h"
#include "audio/NumberSpeech.h"
#include "audio/StationId.h"
#include "audio/WeatherSpeech.h"
#include "platform/Clock.h"

namespace parlhora {

namespace {

constexpr int kMaxStartPauseSeconds = 15;

QString firstOf(const QStringList& pieces) { return pieces.isEmpty() ? QString() : pieces.first(); }

// Settings keep paths as bytes; QFile turns them back into the same bytes.
QString pathOf(const QByteArray& bytes) { return QFile::decodeName(bytes); }

}  // namespace

Sequencer::Sequencer(WaveEngine& engine, Clock& clock, Keying& keying, PartnerLink& link, RecorderHooks& recorder,
                     WeatherSpeech& weather, const AnnouncementOptions& options)
    : engine_(engine),
      clock_(clock),
      keying_(keying),
      link_(link),
      recorder_(recorder),
      weather_(weather),
      options_(options),
      timerSecurite_(clock, [this]() { TimerSecuriteTimer(); }),
      time_(SpokenTime::from(clock.now())) {}

void Sequencer::setStatusSink(std::function<void(const QString&)> sink) { statusSink_ = std::move(sink); }

void Sequencer::setLogSink(std::function<void(const QString&)> sink) { logSink_ = std::move(sink); }

void Sequencer::setStateChanged(std::function<void()> changed) { stateChanged_ = std::move(changed); }

WaveEngine::Events Sequencer::engineEvents(std::function<void(WaveOrigin, const QString&)> started) {
  WaveEngine::Events events;
  events.status = [this](const QString& text) { status(text); };
  events.pieceFinished = [this]() { TimerFinWaveTimer(); };
  events.failure = [this]() { onPlaybackFailure(); };
  events.started = std::move(started);
  return events;
}

void Sequencer::setTime(const SpokenTime& time) { time_ = time; }

void Sequencer::Button1Click() {
  // Any step but idle means an announcement is on; entering the machine
  // from outside then would start a second piece over the first.
  if (busy_) return;
  start();
}

void Sequencer::TimerFinWaveTimer() {
  if (step_ > Idle && busy_ && !resetting_) run();
}

void Sequencer::start() {
  if (loading_ || busy_ || keying_.channelBusy()) return;
  busy_ = true;
  ++run_;
  escaped_ = false;
  progressSeen_ = engine_.progress();
  step_ = Idle;
  spoken_ = time_;
  keying_.latchInputs();
  setControls(false);
  timerSecurite_.start(kSafetyMs, false);
  status(QStringLiteral("PARLHORA SPIEL"));
  if (errorSimulation_) return;

  // A test sound still playing would take the first piece's place, on air.
  if (engine_.isPlaying()) {
    engine_.closeDevice();
    engine_.clearFlags();
  }
  const std::uint64_t id = run_;
  if (keying_.portInUse()) {
    keying_.keyUp();
    keyed_ = true;
    if (!pause(kPreRollMs)) {
      // Esc during the pre-roll goes straight to the end; a reset needs nothing more.
      if (id == run_) run();
      return;
    }
  }
  if (options_.record) {
    recorder_.recorderStart();
    // The recorder's waits run events: the announcement may have been reset
    // or the program closed meanwhile, or Esc pressed.
    if (id != run_ || !busy_) return;
    if (escaped_) {
      step_ = End;
      run();
      return;
    }
  }
  step_ = 1;
  if (options_.header && !options_.headerFile.isEmpty()) {
    if (play(WaveOrigin::File, pathOf(options_.headerFile))) return;
  }
  run();
}

void Sequencer::run() {
  const std::uint64_t id = run_;
  while (busy_ && id == run_) {
    bool waiting = false;
    switch (step_) {
      case 1: {
        const int seconds = std::clamp(options_.pauseSeconds, 0, kMaxStartPauseSeconds);
        if (seconds > 0 && !pause(seconds * 1000)) break;
        step_ = 2;
        // The greeting plays whenever its box is on; an empty path fails in
        // the reader with its own text.
        if (options_.hello) waiting = play(WaveOrigin::File, pathOf(options_.cuckooFile));
        break;
      }
      case 2:
      case 3:
      case 4:
      case 5:
      case 6:
        waiting = stepDate();
        break;
      case 7:
      case 8:
      case 9:
      case 10:
      case 11:
        waiting = stepTime();
        break;
      case Weather:
      case WeatherNext:
        waiting = stepWeather();
        break;
      case Final:
        step_ = kIdentifyStep;
        if (options_.final && !options_.finalFile.isEmpty())
          waiting = play(WaveOrigin::File, pathOf(options_.finalFile));
        break;
      case kIdentifyStep:
        step_ = End;
        waiting = identify();
        break;
      case End:
        end();
        return;
      default:
        return;
    }
    if (waiting) return;
  }
}

bool Sequencer::stepDate() {
  switch (step_) {
    case 2:
      if (!options_.date) {
        step_ = 7;
        return false;
      }
      step_ = 3;
      return play(WaveOrigin::Resource, firstOf(TimeSpeech::weekday(spoken_.weekday)));
    case 3:
      step_ = 4;
      return play(WaveOrigin::Resource, firstOf(TimeSpeech::day(spoken_.day)));
    case 4:
      step_ = 5;
      return play(WaveOrigin::Resource, firstOf(TimeSpeech::month(spoken_.month)));
    case 5:
      if (!TimeSpeech::yearSpoken(spoken_.year)) {
        step_ = 7;
        return false;
      }
      step_ = 6;
      return play(WaveOrigin::Resource, TimeSpeech::year(spoken_.year).value(0));
    default:
      step_ = 7;
      return play(WaveOrigin::Resource, TimeSpeech::year(spoken_.year).value(1));
  }
}

bool Sequencer::stepTime() {
  const bool anyTime = options_.hourWithWords || options_.noMinuteWord;
  switch (step_) {
    case 7:
      if (!options_.itIs) {
        step_ = 8;
        return false;
      }
      if (!anyTime) {
        step_ = Weather;
        return false;
      }
      step_ = 8;
      if (!pause(kItemPauseMs)) return false;
      return play(WaveOrigin::Resource, QStringLiteral("son_it_s"));
    case 8:
      if (!anyTime) {
        step_ = Weather;
        return false;
      }
      step_ = 9;
      if (!options_.itIs && !pause(kItemPauseMs)) return false;
      return play(WaveOrigin::Resource, TimeSpeech::hour(spoken_.hour).value(0));
    case 9:
      step_ = 10;
      return play(WaveOrigin::Resource, TimeSpeech::hour(spoken_.hour).value(1));
    case 10:
      if (spoken_.minute == 0) {
        step_ = Weather;
        return false;
      }
      step_ = 11;
      return play(WaveOrigin::Resource, NumberSpeech::number(spoken_.minute));
    default:
      step_ = Weather;
      if (options_.noMinuteWord) return false;
      return play(WaveOrigin::Resource, QStringLiteral("son_minute"));
  }
}

bool Sequencer::stepWeather() {
  if (step_ == Weather) {
    step_ = WeatherNext;
    weather_.begin();
  }
  const std::optional<SpeechItem> item = weather_.nextItem();
  if (!item) {
    step_ = Final;
    return false;
  }
  // A word with no piece costs no time: the next one is asked for at once.
  if (item->piece.isEmpty()) return false;
  if (item->pauseMs > 0 && !pause(item->pauseMs)) return false;
  return play(WaveOrigin::Resource, item->piece);
}

bool Sequencer::identify() {
  if (!identification_ || !identification_->due() || !pause(kIdentifyPauseMs)) return false;
  const std::uint64_t id = run_;
  identification_->play(engine_);
  if (id != run_ || !busy_) return true;
  return engine_.isPlaying();
}

void Sequencer::end() {
  const std::uint64_t id = run_;
  dropLines();
  busy_ = false;
  step_ = Idle;
  escaped_ = false;
  setControls(true);
  timerSecurite_.stop();
  status(QStringLiteral("PARLHORA DONE"));
  if (startedByPartner_) {
    startedByPartner_ = false;
    link_.sendPartnerDone();
  } else {
    clock_.waitMs(kLinkPauseMs);
    // A new announcement started meanwhile; its own end does the rest.
    if (id != run_) return;
    link_.reconnectLink();
  }
  weather_.ended();
  if (options_.record) recorder_.recorderStopAndClose();
}

void Sequencer::TimerSecuriteTimer() {
  timerSecurite_.stop();
  // A long jingle or bulletin keeps returning blocks and must play to its
  // end; only a device that stopped returning them holds the program.
  if (busy_ && engine_.isPlaying() && engine_.progress() != progressSeen_) {
    progressSeen_ = engine_.progress();
    timerSecurite_.start(kSafetyMs, false);
    return;
  }
  if (busy_) {
    const QString cause = engine_.isPlaying() ? QStringLiteral("Fehler: Sicherheitsreset, Wiedergabe steht")
                                              : QStringLiteral("Fehler: Sicherheitsreset, Ansage hängt");
    status(cause);
    if (logSink_) logSink_(cause);
  }
  reset();
}

void Sequencer::onPlaybackFailure() { reset(); }

void Sequencer::reset() {
  if (resetting_) return;
  resetting_ = true;
  ++run_;
  timerSecurite_.stop();
  dropLines();
  // closeDevice resets before it unprepares, so blocks still queued (the
  // forced case) do not leave the device open for good.
  const std::uint64_t id = run_;
  // A device that will not close is no reason to leave the link deaf.
  engine_.closeDevice();
  // The partner hears that its request is over, even though it failed; a
  // later announcement must not report it done.
  const bool byPartner = startedByPartner_;
  startedByPartner_ = false;
  if (byPartner) {
    link_.sendPartnerDone();
  } else {
    clock_.waitMs(kLinkPauseMs);
    // Not after the program closed during the pause.
    if (id == run_) link_.reconnectLink();
  }
  // Its record had a stop coming too.
  if (id == run_ && options_.record) recorder_.recorderStopAndClose();
  engine_.clearFlags();
  busy_ = false;
  step_ = Idle;
  escaped_ = false;
  setControls(true);
  resetting_ = false;
}

void Sequencer::FormKeyDown(int key) {
  if (key != kEscKey || !busy_) return;
  step_ = End;
  escaped_ = true;
  // No piece to finish (a pause, the recorder's start): the transmitter
  // need not wait for the wait.
  if (!engine_.isPlaying()) dropLines();
}

void Sequencer::MenuSimuErreurClick() {
  errorSimulation_ = !errorSimulation_;
  status(errorSimulation_ ? QStringLiteral("err simu") : QStringLiteral("simu err reset"));
}

void Sequencer::shutdown() {
  timerSecurite_.stop();
  if (keyed_ || busy_) keying_.unkey();
  keyed_ = false;
  // An announcement resting in a wait must not go on with its next piece
  // once the program is closing.
  ++run_;
  busy_ = false;
  step_ = Idle;
}

bool Sequencer::play(WaveOrigin origin, const QString& what) {
  const std::uint64_t id = run_;
  if (origin == WaveOrigin::File)
    engine_.PlayWaveFile(what);
  else
    engine_.PlayWaveRes(what);
  // A failure has reset everything already; otherwise a piece that did not
  // start leaves nothing to wait for, so the machine goes on at once.
  if (id != run_ || !busy_) return true;
  return engine_.isPlaying();
}

bool Sequencer::pause(int ms) {
  const std::uint64_t id = run_;
  clock_.waitMs(ms);
  if (id != run_ || !busy_) return false;
  if (escaped_) {
    step_ = End;
    return false;
  }
  return true;
}

void Sequencer::dropLines() {
  if (keyed_ || keying_.portInUse()) keying_.unkey();
  keyed_ = false;
}

void Sequencer::setControls(bool idle) {
  link_.announcementBusy(!idle);
  if (button1Enabled_ == idle && soundCardOkEnabled_ == idle) return;
  button1Enabled_ = idle;
  soundCardOkEnabled_ = idle;
  if (stateChanged_) stateChanged_();
}

void Sequencer::status(const QString& text) {
  if (statusSink_) statusSink_(text);
}

}  // namespace parlhora
