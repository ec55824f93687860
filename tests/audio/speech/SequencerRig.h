#pragma once

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <ostream>

#include "audio/PartnerLink.h"
#include "audio/RecorderHooks.h"
#include "audio/AnnouncementOptions.h"
#include "audio/PieceLibrary.h"
#include "audio/Sequencer.h"
#include "audio/WaveEngine.h"
#include "audio/WeatherSpeech.h"
#include "fakes/FakeKeying.h"
#include "fakes/FakeNotifier.h"
#include "fakes/FakeWaveOut.h"
#include "platform/VirtualClock.h"

// Readable failure messages for piece lists.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace parlhora {

/// Records what the announcement asks of the other programs.
class RecordingHooks final : public PartnerLink, public RecorderHooks {
 public:
  void recorderStart() override { calls << QStringLiteral("recorderStart"); }
  void recorderStopAndClose() override { calls << QStringLiteral("recorderStop"); }
  void sendPartnerDone() override { calls << QStringLiteral("partnerDone"); }
  bool reconnectLink() override {
    calls << QStringLiteral("reconnect");
    return true;
  }
  QStringList calls;
};

/// Speaks the items it is given, in order.
class ScriptedWeather final : public WeatherSpeech {
 public:
  void begin() override { queue.assign(items.begin(), items.end()); }
  std::optional<SpeechItem> nextItem() override {
    if (queue.empty()) return std::nullopt;
    SpeechItem item = queue.front();
    queue.pop_front();
    return item;
  }
  void ended() override {
    if (calls) *calls << QStringLiteral("refresh");
  }
  std::vector<SpeechItem> items;
  QStringList* calls = nullptr;
  std::deque<SpeechItem> queue;
};

/// The real engine and sequencer on a virtual clock and the fake device;
/// `pieces` lists what started, files as "file:" + path.
struct SequencerRig {
  explicit SequencerRig(QDateTime at = QDateTime(QDate(2024, 3, 5), QTime(14, 35, 0)),
                        FakeWaveOut::Mode mode = FakeWaveOut::Mode::Immediate)
      : clock(at), out(clock, mode) {
    engine.setEvents(seq.engineEvents([this](WaveOrigin origin, const QString& name) {
      pieces << (origin == WaveOrigin::File ? QStringLiteral("file:") + name : name);
      startedAtMs << clock.monotonicMs();
    }));
    engine.setProgramFolder(folder.path());
    seq.setStatusSink([this](const QString& text) { statuses << text; });
    weather.calls = &hooks.calls;
    seq.setTime(SpokenTime::from(at));
  }

  /// Writes a playable jingle named `name` into the program folder.
  void makeJingle(const QString& name) {
    PieceLibrary::installCuckoo(folder.path());
    QFile::copy(folder.filePath(PieceLibrary::cuckooFileName()), folder.filePath(name));
  }

  void speakAt(const QDateTime& at) { seq.setTime(SpokenTime::from(at)); }

  /// One announcement from click to idle.
  QStringList announce() {
    seq.Button1Click();
    clock.runFor(10 * 60 * 1000);
    return pieces;
  }

  VirtualClock clock;
  FakeWaveOut out;
  FakeNotifier notifier;
  WaveEngine engine{out, clock, notifier};
  FakeKeying keying;
  RecordingHooks hooks;
  ScriptedWeather weather;
  AnnouncementOptions options;
  Sequencer seq{engine, clock, keying, hooks, hooks, weather, options};
  QTemporaryDir folder;
  QStringList pieces;
  QList<std::int64_t> startedAtMs;
  QStringList statuses;
};

}  // namespace parlhora
