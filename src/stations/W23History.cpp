#include "stations/W23History.h"

#include "stations/TailReader.h"

namespace parlhora {

std::optional<HistoryWindow> W23History::read(QIODevice& device) {
  TailReader file(device, 0, HistoryRecord::kW23Size);
  if (file.count() < 1) return std::nullopt;
  HistoryWindow w;
  const std::int64_t b = w.newest = file.count() - 1;
  const char* newest = file.record(b);
  if (!newest) return std::nullopt;
  w.last = HistoryRecord::fromW23(newest);
  if (!w.last.sound()) return std::nullopt;
  for (std::int64_t i = 1; i <= 9 && b - i > 0; ++i) {
    const char* p = file.record(b - i);
    if (!p) return std::nullopt;
    w.gustRecords.append(HistoryRecord::fromW23(p));
  }
  if (b > 1) w.recordInterval = w.last.time - w.gustRecords.first().time;
  if (w.recordInterval > 0) {
    const std::int64_t k = HistoryRecord::recordBack(b, w.recordInterval, 1.0 / 24).value_or(1);
    const char* p = file.record(k);
    if (!p) return std::nullopt;
    w.hourBack = HistoryRecord::fromW23(p);
    if (const auto day = HistoryRecord::recordBack(b, w.recordInterval, 1.0)) {
      p = file.record(*day);
      if (!p) return std::nullopt;
      w.dayBack = HistoryRecord::fromW23(p);
    }
  }
  if (!file.intact()) return std::nullopt;
  return w;
}

}  // namespace parlhora
