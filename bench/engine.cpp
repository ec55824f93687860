#include <benchmark/benchmark.h>

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include "audio/WaveEngine.h"
#include "fakes/FakeWaveOut.h"
#include "platform/backends/FileWaveOut.h"
#include "platform/Notifier.h"
#include "platform/VirtualClock.h"

namespace parlhora {
namespace {

class NoNotifier final : public Notifier {
 public:
  void beep() override {}
  void errorBox(const QString&) override {}
};

QDateTime start() { return QDateTime(QDate(2026, 3, 5), QTime(14, 0)); }

// A full announcement's worth of pieces.
QStringList announcement() {
  QStringList names{"son_thu",         "son_5te",        "son_mar",        "son2000",      "son26",
                    "son_it_s",        "son14",          "son_hour",       "son35",        "son_minute",
                    "son_ext_temp",    "son_minus",      "son3",           "son_point",    "son5",
                    "son_degrees",     "son_pressure",   "son1000",        "son13",        "son_millibars",
                    "son_steady",      "son_wind",       "son12",          "son_kmh",      "son_gust",
                    "son25",           "son_dir",        "son_south_west", "son_humidity", "son80",
                    "son_percent",     "son_rain24",     "son2",           "son_point",    "son4",
                    "son_millimeters", "son_wind_chill", "son1",           "son_degrees",  "son_kuckoo"};
  return names;
}

// Resident set size in kB, from the kernel's view of this process.
long residentKb() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
  return -1;
}

void BM_PlayWaveResToFirstWrite(benchmark::State& state) {
  VirtualClock clock(start());
  FakeWaveOut out(clock, FakeWaveOut::Mode::Manual);
  NoNotifier notifier;
  WaveEngine engine(out, clock, notifier);
  engine.Alloc_Mem();
  for (auto _ : state) {
    engine.PlayWaveRes(QStringLiteral("son_rain24"));  // the longest built-in piece
    state.PauseTiming();
    if (out.writtenLengths().empty()) state.SkipWithError("nothing written");
    clock.runPending();
    out.completeNext();
    out.clearCalls();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_PlayWaveResToFirstWrite)->Unit(benchmark::kMicrosecond);

void BM_RenderAnnouncementToFile(benchmark::State& state) {
  QTemporaryDir dir;
  const QStringList names = announcement();
  for (auto _ : state) {
    VirtualClock clock(start());
    FileWaveOut out(dir.filePath(QStringLiteral("render.wav")), clock);
    NoNotifier notifier;
    WaveEngine engine(out, clock, notifier);
    engine.Alloc_Mem();
    int next = 0;
    bool failed = false;
    WaveEngine::Events events;
    events.pieceFinished = [&] {
      if (next < names.size()) engine.PlayWaveRes(names[next++]);
    };
    events.failure = [&] { failed = true; };
    engine.setEvents(events);
    engine.PlayWaveRes(names[next++]);
    while (clock.pendingCount() > 0) clock.runPending();
    if (failed || next != names.size() || !out.finish()) state.SkipWithError("rendering failed");
  }
}
BENCHMARK(BM_RenderAnnouncementToFile)->Unit(benchmark::kMillisecond);

void BM_MemoryOver10000Pieces(benchmark::State& state) {
  const QStringList names = announcement();
  for (auto _ : state) {
    VirtualClock clock(start());
    FakeWaveOut out(clock, FakeWaveOut::Mode::Immediate);
    NoNotifier notifier;
    WaveEngine engine(out, clock, notifier);
    engine.Alloc_Mem();
    long before = 0;
    for (int i = 0; i < 10000; ++i) {
      if (i == 100) before = residentKb();  // after every piece size has been seen
      engine.PlayWaveRes(names[i % names.size()]);
      clock.runPending();
      out.clearCalls();  // the fake's record is not the engine's memory
    }
    const long after = residentKb();
    state.counters["rss_growth_kB"] = static_cast<double>(after - before);
    state.counters["rss_kB"] = static_cast<double>(after);
  }
}
BENCHMARK(BM_MemoryOver10000Pieces)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace parlhora

BENCHMARK_MAIN();
