// `parlhora schedule`: one day of the real tick on the virtual clock, as the
// command runs it. The first run converts local time as a program without
// TZ does; the second takes the system zone once, as the command does.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "app/DaySchedule.h"
#include "app/ScheduleSettings.h"
#include "cli/SystemTimeZone.h"

using namespace parlhora;

namespace {

void runDay(benchmark::State& state) {
  ScheduleSettings settings;
  settings.periodPosition = 1;  // every 5 minutes, all day: 288 starts
  int starts = 0;
  for (auto _ : state) starts = static_cast<int>(DaySchedule::run(settings, QDate(2026, 3, 5)).size());
  state.counters["starts"] = starts;
}

void BM_ScheduleDayZoneLookedUpEachTime(benchmark::State& state) { runDay(state); }
BENCHMARK(BM_ScheduleDayZoneLookedUpEachTime)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ScheduleDayZoneTakenOnce(benchmark::State& state) {
  takeSystemTimeZoneOnce();
  runDay(state);
}
BENCHMARK(BM_ScheduleDayZoneTakenOnce)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
