// Real-clock timing of the unkey while the sibling programs misbehave: a
// partner holds the link's lock (and asks HELLO while holding it), and the
// wave recorder takes commands but never answers. From SIGTERM, Esc and the
// last piece's end to the lines dropping, 20 times each; the worst counts.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <algorithm>
#include <atomic>
#include <csignal>
#include <functional>
#include <thread>
#include <vector>

#include "audio/AnnouncementOptions.h"
#include "audio/Keying.h"
#include "audio/Sequencer.h"
#include "audio/WaveEngine.h"
#include "audio/WeatherSpeech.h"
#include "fakes/FakeNotifier.h"
#include "fakes/FakeWaveOut.h"
#include "link/CooperationService.h"
#include "link/MessageBlock.h"
#include "platform/backends/LocalSocketRecorderChannel.h"
#include "platform/backends/PosixSharedLink.h"
#include "platform/backends/SystemClock.h"
#include "platform/backends/TerminationSignals.h"

using namespace parlhora;

namespace {

constexpr int kRuns = 20;

class TimedKeying final : public Keying {
 public:
  explicit TimedKeying(Clock& clock) : clock_(clock) {}
  bool portInUse() const override { return true; }
  void keyUp() override {
    keyed = true;
    keyedAtMs = clock_.monotonicMs();
  }
  void unkey() override {
    if (keyed) unkeyedAtMs = clock_.monotonicMs();
    keyed = false;
  }
  bool keyed = false;
  std::int64_t keyedAtMs = -1;
  std::int64_t unkeyedAtMs = -1;

 private:
  Clock& clock_;
};

/// The partner, on its own objects of the same names: takes the lock, asks
/// HELLO, and keeps the lock through the whole keyed time (kHoldMs).
class LockHolder {
 public:
  explicit LockHolder(const SharedLinkNames& names) : link_(names) {}
  void start() {
    thread_ = std::thread([this] {
      QString error;
      if (!link_.open(error)) return;
      link_.lock(1000);
      link_.write(MessageBlock::encode(QStringLiteral("PIROLO_HELLO")));
      link_.pulse();
      held_ = true;
      const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(kHoldMs);
      while (std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
      link_.unlock();
      link_.close();
    });
    while (!held_) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  static constexpr int kHoldMs = 2500;

  /// Waits until the partner has let go by itself.
  void join() {
    if (thread_.joinable()) thread_.join();
    held_ = false;
  }

 private:
  PosixSharedLink link_;
  std::thread thread_;
  std::atomic<bool> held_{false};
};

struct Rig {
  Rig() : names(SharedLinkNames::withSuffix(QStringLiteral(".bench%1").arg(::getpid()))), shared(names) {
    recorderName = QStringLiteral("TFormQuorrel.TALLISTO.bench%1").arg(::getpid());
    recorderPath =
        QFile::encodeName(QStringLiteral(PARLHORA_BINARY_DIR "/tools/fake-recorder/fake-recorder"));
    recorder.start(QString::fromLocal8Bit(recorderPath), {"--name", recorderName, "--silent"});
    recorder.waitForStarted();
    recorder.waitForReadyRead(5000);
    service.attach(sequencer);
    WaveEngine::Events events = sequencer.engineEvents();
    auto finished = events.pieceFinished;
    events.pieceFinished = [this, finished] {
      lastPieceEndMs = clock.monotonicMs();
      finished();
    };
    engine.setEvents(events);
    engine.Alloc_Mem();
    // One piece: the hour.
    options.date = options.itIs = false;
    options.noMinuteWord = true;
    options.hourWithWords = false;
    options.record = true;
    sequencer.setTime(SpokenTime::from(QDateTime(QDate(2026, 3, 5), QTime(14, 0))));
    service.startLink();
  }
  ~Rig() {
    service.stopLink();
    recorder.kill();
    recorder.waitForFinished();
    PosixSharedLink::unlinkAll(names);
  }
  void waitIdle() {
    while (sequencer.busy()) clock.waitMs(5);
  }

  SharedLinkNames names;
  PosixSharedLink shared;
  QString recorderName;
  QByteArray recorderPath;
  QProcess recorder;
  SystemClock clock;
  LocalSocketRecorderChannel channel{recorderName};
  FakeWaveOut out{clock, FakeWaveOut::Mode::PlayTime};
  FakeNotifier notifier;
  WaveEngine engine{out, clock, notifier};
  TimedKeying keying{clock};
  WeatherSpeech weather;
  AnnouncementOptions options;
  CooperationService service{clock, notifier, &shared, &channel, recorderPath};
  Sequencer sequencer{engine, clock, keying, service, service, weather, options};
  LockHolder holder{names};
  std::int64_t lastPieceEndMs = -1;
};

void report(benchmark::State& state, std::vector<double>& ms) {
  if (ms.size() < kRuns) {
    state.SkipWithError("not every run was measured");
    return;
  }
  std::sort(ms.begin(), ms.end());
  state.counters["median_ms"] = ms[ms.size() / 2];
  state.counters["worst_ms"] = ms.back();
}

// An announcement for the partner while it holds the lock and asks HELLO;
// `during` runs inside the recorder's unanswered record command (after the
// pre-roll). Returns when the lines are down again.
bool announceWithHostileSiblings(Rig& rig, const std::function<void()>& during) {
  rig.holder.start();
  if (during) rig.clock.callAfter(Sequencer::kPreRollMs + 400, during);
  rig.sequencer.setStartedByPartner(true);
  rig.sequencer.Button1Click();
  const std::int64_t giveUp = rig.clock.monotonicMs() + 10000;
  while (rig.keying.keyed && rig.clock.monotonicMs() < giveUp) rig.clock.waitMs(1);
  rig.waitIdle();
  rig.holder.join();
  return !rig.keying.keyed && rig.keying.unkeyedAtMs >= 0;
}

void BM_UnkeyOnSigterm(benchmark::State& state) {
  std::vector<double> ms;
  for (auto _ : state) {
    Rig rig;
    TerminationSignals termination([&] { rig.sequencer.shutdown(); });
    for (int run = 0; run < kRuns; ++run) {
      std::int64_t signalledMs = -1;
      if (!announceWithHostileSiblings(rig, [&] {
            signalledMs = rig.clock.monotonicMs();
            std::raise(SIGTERM);
          }))
        break;
      ms.push_back(double(rig.keying.unkeyedAtMs - signalledMs));
      rig.clock.waitMs(1200);  // the recorder's call runs out
    }
  }
  report(state, ms);
}
BENCHMARK(BM_UnkeyOnSigterm)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

void BM_UnkeyOnEsc(benchmark::State& state) {
  std::vector<double> ms;
  for (auto _ : state) {
    Rig rig;
    for (int run = 0; run < kRuns; ++run) {
      std::int64_t pressedMs = -1;
      if (!announceWithHostileSiblings(rig, [&] {
            pressedMs = rig.clock.monotonicMs();
            rig.sequencer.FormKeyDown(Sequencer::kEscKey);
          }))
        break;
      ms.push_back(double(rig.keying.unkeyedAtMs - pressedMs));
    }
  }
  report(state, ms);
}
BENCHMARK(BM_UnkeyOnEsc)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

void BM_UnkeyAtTheEnd(benchmark::State& state) {
  std::vector<double> ms;
  for (auto _ : state) {
    Rig rig;
    for (int run = 0; run < kRuns; ++run) {
      if (!announceWithHostileSiblings(rig, {})) break;
      ms.push_back(double(rig.keying.unkeyedAtMs - rig.lastPieceEndMs));
    }
  }
  report(state, ms);
}
BENCHMARK(BM_UnkeyAtTheEnd)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
