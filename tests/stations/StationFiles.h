#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>
#include <cstring>
#include <optional>

namespace parlhora::test {

/// Builders of station file bytes, field by field as the stations write them.
struct W23Rec {
  quint32 seconds = 3900000000u;
  float pressure = 1013.2f, wind = 2.5f;
  qint32 direction = 4;
  float rain = 10.0f, tempIn = 21.0f, tempOut = 15.0f;
  qint8 humIn = 45, humOut = 70;

  QByteArray bytes() const {
    QByteArray b(36, '\0');
    put(b, 4, seconds);
    putF(b, 8, pressure);
    putF(b, 12, wind);
    put(b, 16, quint32(direction));
    putF(b, 20, rain);
    putF(b, 24, tempIn);
    putF(b, 28, tempOut);
    b[32] = char(humIn);
    b[34] = char(humOut);
    return b;
  }
  static void put(QByteArray& b, int at, quint32 v) { qToLittleEndian(v, b.data() + at); }
  static void putF(QByteArray& b, int at, float f) {
    quint32 v;
    std::memcpy(&v, &f, 4);
    put(b, at, v);
  }
};

struct W28Rec {
  double time = 45000.5;
  float pAbs = 1000.0f, pRel = 1013.0f, wind = 2.0f;
  qint32 direction = 8;
  float gust = 4.0f, rain = 0.2f, tempIn = 21.0f, tempOut = 15.0f, humIn = 45.0f, humOut = 70.0f;

  QByteArray bytes() const {
    QByteArray b(56, '\0');
    quint64 t;
    std::memcpy(&t, &time, 8);
    qToLittleEndian(t, b.data());
    W23Rec::putF(b, 8, pAbs);
    W23Rec::putF(b, 12, pRel);
    W23Rec::putF(b, 16, wind);
    W23Rec::put(b, 20, quint32(direction));
    W23Rec::putF(b, 24, gust);
    W23Rec::putF(b, 32, rain);
    W23Rec::putF(b, 36, tempIn);
    W23Rec::putF(b, 40, tempOut);
    W23Rec::putF(b, 44, humIn);
    W23Rec::putF(b, 48, humOut);
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
    b[0] = char(type);
    b[1] = char(interval);
    const auto i16 = [&b](int at, qint16 v) { qToLittleEndian(v, b.data() + at); };
    i16(4, minutes);
    i16(6, tempOut);
    i16(12, tempIn);
    i16(14, barometer);
    i16(16, humOut);
    i16(18, humIn);
    qToLittleEndian(rainWord, b.data() + 20);
    i16(24, windAverage);
    i16(26, windHigh);
    b[28] = char(direction);
    return b;
  }
};

/// A month file: header announcing `announced` records (default: all), the
/// records in `days[d]` for day d, then the records.
inline QByteArray pro2File(const QList<Pro2Rec>& records, const QList<QPair<int, int>>& days,
                           std::optional<qint32> announced = std::nullopt) {
  QByteArray h(212, '\0');
  qToLittleEndian(announced.value_or(qint32(records.size())), h.data() + 16);
  for (const auto& [day, count] : days) qToLittleEndian(qint16(count), h.data() + 20 + 6 * day);
  for (const Pro2Rec& r : records) h += r.bytes();
  return h;
}

inline void writeFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) std::abort();
}

}  // namespace parlhora::test
