#include "stations/W28History.h"

#include <cmath>

#include "stations/TailReader.h"

namespace parlhora {

std::optional<HistoryWindow> W28History::read(QIODevice& device) {
  TailReader file(device, 0, HistoryRecord::kW28Size);
  if (file.count() < 1) return std::nullopt;
  HistoryWindow w;
  const std::int64_t b = w.newest = file.count() - 1;
  const char* p = file.record(b);
  if (!p) return std::nullopt;
  w.last = HistoryRecord::fromW28(p);
  if (!w.last.sound()) return std::nullopt;
  w.rainSum = w.last.rain;
  for (std::int64_t i = b - 1; i >= 1; --i) {
    p = file.record(i);
    if (!p) return std::nullopt;
    const HistoryRecord r = HistoryRecord::fromW28(p);
    if (i == b - 1) w.recordInterval = w.last.time - r.time;
    // NaN times end the walk too.
    if (!(w.last.time - r.time < 1.0)) break;
    w.rainSum += r.rain;
  }
  // A garbled older time gives no interval rather than a NaN one.
  if (!std::isfinite(w.recordInterval)) w.recordInterval = 0;
  if (w.recordInterval > 0) {
    const std::int64_t k = HistoryRecord::recordBack(b, w.recordInterval, 1.0 / 24).value_or(1);
    p = file.record(k);
    if (!p) return std::nullopt;
    w.hourBack = HistoryRecord::fromW28(p);
  }
  if (!file.intact()) return std::nullopt;
  return w;
}

}  // namespace parlhora
