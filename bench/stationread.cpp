// Real-clock timing of a due announcement while the weather station is
// being read: the simulator answers 1.2 s late (a read takes about 11 s),
// and a due minute comes every few seconds. From the due second to the
// keying of the lines, 20 times; each keying must fall inside a read.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
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
#include "platform/backends/TermiosStationPort.h"
#include "stations/MonitorSource.h"
#include "weather/SourceContext.h"
#include "weather/UnitFactors.h"

using namespace parlhora;

namespace {

constexpr int kRuns = 20;

struct Rig {
  Rig() {
    settings.periodPosition = 1;
    scheduler.setWiring(Scheduler::wiringFor(seq));
    scheduler.setPeriodPosition(1);
    options.date = options.itIs = options.hourWithWords = false;
    context.announcementPlaying = [this] { return seq.busy(); };
    QFile readings(dir.path() + "/readings.txt");
    if (readings.open(QIODevice::WriteOnly))
      readings.write("0 tin=68.0 tout=32.0 baro=29.530 wind=10 dir=270\n");
    readings.close();
    sim.start(QStringLiteral(PARLHORA_BINARY_DIR "/station-sim"),
              {"--readings", readings.fileName(), "--link", dir.path() + "/ttyMON0", "--slow", "1200"});
    sim.waitForReadyRead(5000);
    MonitorSource::Wiring wiring;
    wiring.devDir = dir.path();
    monitorSettings.port = "ttyMON0";
    source = std::make_unique<MonitorSource>(context, monitorSettings, port, wiring);
  }
  ~Rig() {
    source.reset();
    sim.kill();
    sim.waitForFinished();
  }

  QTemporaryDir dir;
  QProcess sim;
  OffsetClock clock;
  FakeWaveOut out{clock, FakeWaveOut::Mode::PlayTime};
  FakeNotifier notifier;
  WaveEngine engine{out, clock, notifier};
  std::unique_ptr<MonitorSource> source;
  TimedKeying keying{clock, [this] { return source && source->reading(); }};
  PartnerLink link;
  RecorderHooks recorder;
  WeatherSpeech weather;
  AnnouncementOptions options;
  ScheduleSettings settings;
  Sequencer seq{engine, clock, keying, link, recorder, weather, options};
  Scheduler scheduler{clock, settings, options};
  UnitFactors units;
  SourceContext context{clock, notifier, units, {}, {}};
  MonitorSettings monitorSettings;
  TermiosStationPort port;
};

void BM_DueSecondToKeyingDuringAStationRead(benchmark::State& state) {
  std::vector<double> ms;
  int keyedDuring = 0;
  for (auto _ : state) {
    Rig rig;
    rig.source->pick();
    rig.scheduler.start();
    QDateTime due = QDateTime(QDate(2024, 6, 12), QTime(12, 0));
    for (int run = 0; run < kRuns; ++run) {
      if (!rig.source->reading()) rig.source->refreshNow();
      rig.clock.waitMs(300);  // the read is under way
      due = due.addSecs(300);
      rig.clock.aim(due, 1300);
      const size_t before = rig.keying.keyedAt.size();
      const std::int64_t giveUp = rig.clock.monotonicMs() + 5000;
      while (rig.keying.keyedAt.size() == before && rig.clock.monotonicMs() < giveUp) rig.clock.waitMs(1);
      if (rig.keying.keyedAt.size() == before) break;
      ms.push_back(double(due.msecsTo(rig.keying.keyedAt.back())));
      while (rig.seq.busy()) rig.clock.waitMs(20);
      rig.clock.waitMs(1100);  // the end's link pause
    }
    rig.scheduler.stop();
    keyedDuring = rig.keying.keyedDuring;
  }
  if (ms.size() < kRuns) {
    state.SkipWithError("a due minute did not start");
    return;
  }
  std::sort(ms.begin(), ms.end());
  state.counters["median_ms"] = ms[ms.size() / 2];
  state.counters["worst_ms"] = ms.back();
  state.counters["keyed_during_read"] = keyedDuring;
}
BENCHMARK(BM_DueSecondToKeyingDuringAStationRead)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
