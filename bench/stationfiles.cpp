// Refreshes of the station-file sources on long histories generated here:
// ten years of 5-minute WS-23xx records (about 38 MB), one year of WS-28xx
// records, a Vantage Pro2 month of 1-minute records. Each refresh reads
// from the file's end; the counters give the bytes read and the most heap
// held at once during a refresh, and a whole-file read of the same file is
// timed for comparison.
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <atomic>
#include <cstdlib>
#include <cstring>

#include <cerrno>

#include "platform/Notifier.h"
#include "platform/VirtualClock.h"
#include "stations/Pro2Controller.h"
#include "stations/W23Controller.h"
#include "stations/W23History.h"
#include "stations/W28Controller.h"
#include "weather/UnitFactors.h"

// Heap bookkeeping: live bytes and their peak, for the memory counter. Qt
// allocates with malloc, so malloc itself is counted (glibc).
extern "C" {
void* __libc_malloc(std::size_t);
void* __libc_calloc(std::size_t, std::size_t);
void* __libc_realloc(void*, std::size_t);
void __libc_free(void*);
void* __libc_memalign(std::size_t, std::size_t);
}

namespace {
std::atomic<long long> g_live{0};
std::atomic<long long> g_peak{0};

void counted(void* p, long long sign) {
  if (!p) return;
  const long long live = g_live += sign * static_cast<long long>(malloc_usable_size(p));
  long long peak = g_peak.load();
  while (live > peak && !g_peak.compare_exchange_weak(peak, live)) {
  }
}
}  // namespace

extern "C" {
void* malloc(std::size_t n) noexcept {
  void* p = __libc_malloc(n);
  counted(p, 1);
  return p;
}
void* calloc(std::size_t n, std::size_t size) noexcept {
  void* p = __libc_calloc(n, size);
  counted(p, 1);
  return p;
}
void* realloc(void* old, std::size_t n) noexcept {
  counted(old, -1);
  void* p = __libc_realloc(old, n);
  counted(p ? p : old, 1);
  return p;
}
void free(void* p) noexcept {
  counted(p, -1);
  __libc_free(p);
}
void* memalign(std::size_t alignment, std::size_t n) noexcept {
  void* p = __libc_memalign(alignment, n);
  counted(p, 1);
  return p;
}
void* aligned_alloc(std::size_t alignment, std::size_t n) noexcept { return memalign(alignment, n); }
int posix_memalign(void** out, std::size_t alignment, std::size_t n) noexcept {
  *out = memalign(alignment, n);
  return *out ? 0 : ENOMEM;
}
}

using namespace parlhora;

namespace {

class SilentNotifier final : public Notifier {
 public:
  void beep() override {}
  void errorBox(const QString&) override {}
};

void putF(char* at, float f) {
  quint32 v;
  std::memcpy(&v, &f, 4);
  qToLittleEndian(v, at);
}

QTemporaryDir& folder() {
  static QTemporaryDir dir;
  return dir;
}

QString w23File() {
  static const QString path = [] {
    const QString p = folder().filePath("history.dat");
    QFile f(p);
    f.open(QIODevice::WriteOnly);
    constexpr int kRecords = 10 * 365 * 288;
    QByteArray chunk;
    for (int i = 0; i < kRecords; ++i) {
      char r[36] = {};
      qToLittleEndian(quint32(3600000000u + quint32(i) * 300u), r + 4);
      putF(r + 8, 1000.0f + float(i % 500) * 0.1f);
      putF(r + 12, float(i % 13));
      qToLittleEndian(qint32(i % 16), r + 16);
      putF(r + 20, float(i) * 0.1f);
      putF(r + 24, 21.0f);
      putF(r + 28, float(i % 40) - 10.0f);
      r[32] = 45;
      r[34] = 70;
      chunk.append(r, 36);
      if (chunk.size() > (1 << 20)) f.write(std::exchange(chunk, {}));
    }
    f.write(chunk);
    return p;
  }();
  return path;
}

QString w28File() {
  static const QString path = [] {
    const QString p = folder().filePath("w28.dat");
    QFile f(p);
    f.open(QIODevice::WriteOnly);
    constexpr int kRecords = 365 * 288;
    for (int i = 0; i < kRecords; ++i) {
      char r[56] = {};
      const double t = 45000.0 + i / 288.0;
      quint64 bits;
      std::memcpy(&bits, &t, 8);
      qToLittleEndian(bits, r);
      putF(r + 8, 1000.0f);
      putF(r + 12, 1013.0f);
      putF(r + 16, float(i % 13));
      putF(r + 24, float(i % 17));
      putF(r + 32, 0.2f);
      putF(r + 40, 12.0f);
      putF(r + 48, 70.0f);
      f.write(r, 56);
    }
    return p;
  }();
  return path;
}

QString pro2File() {
  static const QString path = [] {
    const QString p = folder().filePath("2026-01.wlk");
    QFile f(p);
    f.open(QIODevice::WriteOnly);
    constexpr int kPerDay = 1440;
    char header[212] = {};
    qToLittleEndian(qint32(31 * kPerDay), header + 16);
    for (int d = 1; d <= 31; ++d) qToLittleEndian(qint16(kPerDay), header + 20 + 6 * d);
    f.write(header, 212);
    for (int i = 0; i < 31 * kPerDay; ++i) {
      char r[88] = {};
      r[0] = 1;
      r[1] = 1;
      qToLittleEndian(qint16(i % kPerDay), r + 4);
      qToLittleEndian(qint16(680), r + 6);
      qToLittleEndian(qint16(29920 + i % 50), r + 14);
      qToLittleEndian(quint16(0x2000 | (i % 3)), r + 20);
      qToLittleEndian(qint16(50), r + 24);
      f.write(r, 88);
    }
    return p;
  }();
  return path;
}

template <typename Controller>
void refreshBench(benchmark::State& state, const QString& file) {
  VirtualClock clock(QDateTime(QDate(2026, 1, 31), QTime(23, 59)));
  SilentNotifier notifier;
  UnitFactors units;
  SourceContext context{clock, notifier, units, {}, {}};
  HistoryFileSettings settings;
  settings.file = QFile::encodeName(file);
  Controller source(context, settings);
  source.applySettings();
  source.refresh();  // first open and warm page cache
  long long extra = 0;
  for (auto _ : state) {
    const long long before = g_live.load();
    g_peak = before;
    source.refresh();
    extra = std::max(extra, g_peak.load() - before);
  }
  if (!source.errorText().isEmpty()) state.SkipWithError("refresh failed");
  state.counters["peak_extra_heap_bytes"] = double(extra);
  state.counters["file_bytes"] = double(QFile(file).size());
}

void BM_W23Refresh10Years(benchmark::State& state) { refreshBench<W23Controller>(state, w23File()); }
BENCHMARK(BM_W23Refresh10Years)->Unit(benchmark::kMicrosecond);

// The same readings from the whole file read into memory, for the ratio.
void BM_W23WholeFileRead10Years(benchmark::State& state) {
  const QString file = w23File();
  for (auto _ : state) {
    QFile f(file);
    f.open(QIODevice::ReadOnly);
    QByteArray all = f.readAll();
    QBuffer buffer(&all);
    buffer.open(QIODevice::ReadOnly);
    benchmark::DoNotOptimize(W23History::read(buffer));
  }
  state.counters["file_bytes"] = double(QFile(file).size());
}
BENCHMARK(BM_W23WholeFileRead10Years)->Unit(benchmark::kMicrosecond);

void BM_W28Refresh1Year(benchmark::State& state) { refreshBench<W28Controller>(state, w28File()); }
BENCHMARK(BM_W28Refresh1Year)->Unit(benchmark::kMicrosecond);

void BM_Pro2RefreshMonthOf1MinuteRecords(benchmark::State& state) {
  refreshBench<Pro2Controller>(state, pro2File());
}
BENCHMARK(BM_Pro2RefreshMonthOf1MinuteRecords)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
