// A whole day of announcements on the virtual clock: the real tick, sequencer
// and engine against the fake device, every time box on.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "app/ScheduleSettings.h"
#include "app/Scheduler.h"
#include "audio/PartnerLink.h"
#include "audio/RecorderHooks.h"
#include "audio/AnnouncementOptions.h"
#include "audio/Sequencer.h"
#include "audio/WaveEngine.h"
#include "audio/WeatherSpeech.h"
#include "fakes/FakeKeying.h"
#include "fakes/FakeNotifier.h"
#include "fakes/FakeWaveOut.h"
#include "platform/VirtualClock.h"

using namespace parlhora;

namespace {

void BM_SimulatedDay(benchmark::State& state) {
  const QDate day(2024, 6, 12);
  int started = 0;
  int pieces = 0;
  for (auto _ : state) {
    VirtualClock clock(day.startOfDay().addSecs(-5));
    FakeWaveOut out(clock, FakeWaveOut::Mode::PlayTime);
    FakeNotifier notifier;
    WaveEngine engine(out, clock, notifier);
    FakeKeying keying;
    PartnerLink link;
    RecorderHooks recorder;
    WeatherSpeech weather;
    AnnouncementOptions options;
    options.date = options.itIs = options.hourWithWords = true;
    ScheduleSettings settings;
    settings.periodPosition = 1;
    settings.startHour = 0;
    settings.endHour = 24;
    Sequencer seq(engine, clock, keying, link, recorder, weather, options);
    engine.setEvents(seq.engineEvents([&](WaveOrigin, const QString&) { ++pieces; }));
    seq.setStatusSink([&](const QString& text) {
      if (text == QLatin1String("PARLHORA SPIEL")) ++started;
    });
    Scheduler scheduler(clock, settings, options);
    scheduler.setWiring(Scheduler::wiringFor(seq));
    scheduler.setPeriodPosition(settings.periodPosition);
    scheduler.start();
    for (int hour = 0; hour < 24; ++hour) {
      clock.runUntil(day.startOfDay().addSecs(3600 * (hour + 1)));
      out.clearCalls();  // the fake's call log would only grow
    }
    scheduler.stop();
  }
  state.counters["announcements_per_day"] = benchmark::Counter(started / double(state.iterations()));
  state.counters["pieces_per_day"] = benchmark::Counter(pieces / double(state.iterations()));
}
BENCHMARK(BM_SimulatedDay)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
