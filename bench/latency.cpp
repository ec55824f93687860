// Real-clock timing: from the start of a due second to the keying of the
// lines, and the gap between two pieces beyond the engine's 50 ms pause.
// The wall clock is offset so that a due minute comes every few seconds.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <algorithm>
#include <vector>

#include "OffsetClock.h"
#include "TimedKeying.h"
#include "app/ScheduleSettings.h"
#include "app/Scheduler.h"
#include "audio/AnnouncementOptions.h"
#include "audio/Keying.h"
#include "audio/PartnerLink.h"
#include "audio/RecorderHooks.h"
#include "audio/Sequencer.h"
#include "audio/WaveEngine.h"
#include "audio/WeatherSpeech.h"
#include "fakes/FakeNotifier.h"
#include "fakes/FakeWaveOut.h"
#include "platform/backends/SystemClock.h"

using namespace parlhora;

namespace {

struct Rig {
  Rig() {
    settings.periodPosition = 1;
    scheduler.setWiring(Scheduler::wiringFor(seq));
    scheduler.setPeriodPosition(1);
  }
  OffsetClock clock;
  FakeWaveOut out{clock, FakeWaveOut::Mode::PlayTime};
  FakeNotifier notifier;
  WaveEngine engine{out, clock, notifier};
  TimedKeying keying{clock};
  PartnerLink link;
  RecorderHooks recorder;
  WeatherSpeech weather;
  AnnouncementOptions options;
  ScheduleSettings settings;
  Sequencer seq{engine, clock, keying, link, recorder, weather, options};
  Scheduler scheduler{clock, settings, options};
};

double percentile(std::vector<double> v, double p) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[static_cast<size_t>(p * (v.size() - 1) + 0.5)];
}

void BM_DueSecondToKeying(benchmark::State& state) {
  std::vector<double> latencies;
  for (auto _ : state) {
    Rig rig;
    // Nothing to say: each announcement is keyed, then ends after the pre-roll.
    rig.options.date = rig.options.itIs = rig.options.hourWithWords = false;
    rig.scheduler.start();
    QDateTime due = QDateTime(QDate(2024, 6, 12), QTime(12, 0));
    for (int i = 0; i < 20; ++i) {
      due = due.addSecs(300);
      rig.clock.aim(due, 1300);
      const size_t before = rig.keying.keyedAt.size();
      const std::int64_t giveUp = rig.clock.monotonicMs() + 5000;
      while (rig.keying.keyedAt.size() == before && rig.clock.monotonicMs() < giveUp) rig.clock.waitMs(20);
      if (rig.keying.keyedAt.size() == before) {
        state.SkipWithError("a due minute did not start");
        return;
      }
      latencies.push_back(due.msecsTo(rig.keying.keyedAt.back()));
      while (rig.seq.busy()) rig.clock.waitMs(20);
      rig.clock.waitMs(1100);  // the end's link pause
    }
    rig.scheduler.stop();
  }
  state.counters["median_ms"] = percentile(latencies, 0.5);
  state.counters["worst_ms"] = *std::max_element(latencies.begin(), latencies.end());
}
BENCHMARK(BM_DueSecondToKeying)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

/// Passes every call to the fake device and notes when blocks come back and
/// when a piece's first block goes out.
class TimingWaveOut final : public WaveOut {
 public:
  TimingWaveOut(WaveOut& inner, Clock& clock) : inner_(inner), clock_(clock) {}
  int deviceCount() override { return inner_.deviceCount(); }
  int deviceName(int index, QString& name) override { return inner_.deviceName(index, name); }
  int open(int device, const WaveFormat& format, Callbacks callbacks) override {
    auto onDone = callbacks.onDone;
    callbacks.onDone = [this, onDone](int block) {
      lastDoneMs = clock_.monotonicMs();
      if (onDone) onDone(block);
    };
    firstWrite_ = true;
    return inner_.open(device, format, std::move(callbacks));
  }
  int prepare(int block, const char* data, int length) override {
    return inner_.prepare(block, data, length);
  }
  int unprepare(int block) override { return inner_.unprepare(block); }
  int write(int block) override {
    if (firstWrite_ && onFirstWrite) onFirstWrite(clock_.monotonicMs());
    firstWrite_ = false;
    return inner_.write(block);
  }
  int reset() override { return inner_.reset(); }
  int close() override { return inner_.close(); }
  int getVolume(int device, std::uint32_t& volume) override { return inner_.getVolume(device, volume); }
  int setVolume(int device, std::uint32_t volume) override { return inner_.setVolume(device, volume); }

  std::int64_t lastDoneMs = -1;
  std::function<void(std::int64_t)> onFirstWrite;

 private:
  WaveOut& inner_;
  Clock& clock_;
  bool firstWrite_ = false;
};

void BM_GapBetweenPieces(benchmark::State& state) {
  std::vector<double> gaps;
  for (auto _ : state) {
    Rig rig;
    TimingWaveOut timing(rig.out, rig.clock);
    rig.engine.setWaveOut(timing);
    bool itemPause = false;
    rig.engine.setEvents(rig.seq.engineEvents(
        [&](WaveOrigin, const QString& name) { itemPause = name == QLatin1String("son_it_s"); }));
    timing.onFirstWrite = [&](std::int64_t now) {
      // Pieces after an item pause have 100 ms more by design.
      if (timing.lastDoneMs >= 0 && !itemPause)
        gaps.push_back(double(now - timing.lastDoneMs - WaveEngine::kPauseAfterCloseMs));
    };
    rig.seq.setTime(SpokenTime::from(QDateTime(QDate(2024, 6, 12), QTime(14, 35))));
    for (int round = 0; round < 2; ++round) {
      timing.lastDoneMs = -1;
      rig.seq.Button1Click();
      while (rig.seq.busy()) rig.clock.waitMs(20);
      rig.clock.waitMs(1100);
    }
  }
  if (gaps.empty()) {
    state.SkipWithError("no gaps measured");
    return;
  }
  state.counters["gap_median_ms"] = percentile(gaps, 0.5);
  state.counters["gap_worst_ms"] = *std::max_element(gaps.begin(), gaps.end());
  state.counters["gaps"] = static_cast<double>(gaps.size());
}
BENCHMARK(BM_GapBetweenPieces)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
