#include "stations/Pro2MonthFile.h"

#include <QtEndian>
#include <cmath>

#include "stations/TailReader.h"
#include "weather/HalfEven.h"

namespace parlhora {

namespace {

constexpr int kTotalOffset = 16;
constexpr int kDayIndexOffset = 20;
constexpr int kDayEntrySize = 6;

bool isArchive(const char* p) { return std::uint8_t(p[0]) == Pro2Record::kArchive; }

}  // namespace

std::optional<Pro2Window> Pro2MonthFile::read(QIODevice& device) {
  QByteArray header(Pro2Record::kHeaderSize, '\0');
  if (!device.seek(0) || device.read(header.data(), header.size()) != header.size()) return std::nullopt;
  Pro2Window w;
  w.total = qFromLittleEndian<qint32>(header.constData() + kTotalOffset);
  if (w.total < 0 || device.size() < Pro2Record::kHeaderSize + w.total * Pro2Record::kSize)
    return std::nullopt;
  for (int d = 1; d <= 31; ++d)
    w.dayRecords[d] = qFromLittleEndian<qint16>(header.constData() + kDayIndexOffset + d * kDayEntrySize);

  TailReader file(device, Pro2Record::kHeaderSize, Pro2Record::kSize, w.total);
  std::int64_t newest = w.total - 1;
  for (; newest >= 0; --newest) {
    const char* p = file.record(newest);
    if (!p) return std::nullopt;
    if (isArchive(p)) break;
  }
  if (newest < 0) return std::nullopt;
  w.newest = Pro2Record::decode(file.record(newest));
  const int n = w.newest.interval;

  const std::int64_t hourBack = n != 0 ? newest - HalfEven::round(60.0 / n) : 0;
  if (hourBack > 0) {
    for (std::int64_t i = hourBack; i >= 0; --i) {
      const char* p = file.record(i);
      if (!p) return std::nullopt;
      if (isArchive(p)) {
        w.hourBackBarometer = Pro2Record::decode(p).barometer;
        break;
      }
    }
  }

  const long wanted = n != 0 ? HalfEven::round(1440.0 / n) - 1 : 1;
  w.rainWords.append(w.newest.rainWord);
  for (std::int64_t i = newest - 1; i >= 0 && w.rainWords.size() < wanted; --i) {
    const char* p = file.record(i);
    if (!p) return std::nullopt;
    if (isArchive(p)) w.rainWords.append(Pro2Record::decode(p).rainWord);
  }
  if (!file.intact()) return std::nullopt;
  return w;
}

}  // namespace parlhora
