#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>
#include <cstring>
#include <optional>

namespace parlhora::test {

/// Writes `v` little-endian at `at`; floats by their bits.
template <typename T>
void put(QByteArray& b, int at, T v) {
  if constexpr (std::is_floating_point_v<T>) {
    using Bits = std::conditional_t<sizeof(T) == 4, quint32, quint64>;
    Bits bits;
    std::memcpy(&bits, &v, sizeof v);
    qToLittleEndian(bits, b.data() + at);
  } else {
    qToLittleEndian(v, b.data() + at);
  }
}

/// Builders of station file records, field by field as the stations write them.
struct W23Rec {
  quint32 seconds = 3900000000u;
  float pressure = 1013.2f, wind = 2.5f;
  qint32 direction = 4;
  float rain = 10.0f, tempIn = 21.0f, tempOut = 15.0f;
  qint8 humIn = 45, humOut = 70;

  QByteArray bytes() const {
    QByteArray b(36, '\0');
    put(b, 4, seconds), put(b, 8, pressure), put(b, 12, wind), put(b, 16, direction), put(b, 20, rain);
    put(b, 24, tempIn), put(b, 28, tempOut), put(b, 32, humIn), put(b, 34, humOut);
    return b;
  }
};

struct W28Rec {
  double time = 45000.5;
  float pAbs = 1000.0f, pRel = 1013.0f, wind = 2.0f;
  qint32 direction = 8;
  float gust = 4.0f, rain = 0.2f, tempIn = 21.0f, tempOut = 15.0f, humIn = 45.0f, humOut = 70.0f;

  QByteArray bytes() const {
    QByteArray b(56, '\0');
    put(b, 0, time), put(b, 8, pAbs), put(b, 12, pRel), put(b, 16, wind), put(b, 20, direction);
    put(b, 24, gust), put(b, 32, rain), put(b, 36, tempIn), put(b, 40, tempOut), put(b, 44, humIn);
    put(b, 48, humOut);
    return b;
  }
};

struct Pro2Rec {
  quint8 type = 1, interval = 30;
  qint16 minutes = 600, tempOut = 680, tempIn = 700, barometer = 29920, humOut = 550, humIn = 400;
  quint16 rainWord = 0x2000;  // 0.2 mm collector, no clicks
  qint16 windAverage = 50, windHigh = 120;
  quint8 direction = 4;

  QByteArray bytes() const {
    QByteArray b(88, '\0');
    put(b, 0, type), put(b, 1, interval), put(b, 4, minutes), put(b, 6, tempOut), put(b, 12, tempIn);
    put(b, 14, barometer), put(b, 16, humOut), put(b, 18, humIn), put(b, 20, rainWord);
    put(b, 24, windAverage), put(b, 26, windHigh), put(b, 28, direction);
    return b;
  }
};

/// A month file: the header announcing `announced` records (default: all)
/// with `count` records on day `day`, then the records.
inline QByteArray pro2File(const QList<Pro2Rec>& records, const QList<QPair<int, int>>& days,
                           std::optional<qint32> announced = std::nullopt) {
  QByteArray file(212, '\0');
  put(file, 16, announced.value_or(qint32(records.size())));
  for (const auto& [day, count] : days) put(file, 20 + 6 * day, qint16(count));
  for (const Pro2Rec& r : records) file += r.bytes();
  return file;
}

inline void writeFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) std::abort();
}

}  // namespace parlhora::test
