#include "stations/HistoryRecord.h"

#include <QtEndian>
#include <cmath>
#include <cstring>

#include "stations/StationTime.h"

namespace parlhora {

namespace {

float f32(const char* p) {
  const quint32 bits = qFromLittleEndian<quint32>(p);
  float f;
  std::memcpy(&f, &bits, sizeof f);
  return f;
}

double f64(const char* p) {
  const quint64 bits = qFromLittleEndian<quint64>(p);
  double d;
  std::memcpy(&d, &bits, sizeof d);
  return d;
}

}  // namespace

HistoryRecord HistoryRecord::fromW23(const char* p) {
  HistoryRecord r;
  r.time = (double(qFromLittleEndian<quint32>(p + 4)) + 176400.0) / 86400.0;
  r.pressureAbs = r.pressureRel = f32(p + 8);
  r.wind = f32(p + 12);
  r.direction = qFromLittleEndian<qint32>(p + 16);
  r.rain = f32(p + 20);
  r.tempIn = f32(p + 24);
  r.tempOut = f32(p + 28);
  r.humIn = qint8(p[32]);
  r.humOut = qint8(p[34]);
  return r;
}

HistoryRecord HistoryRecord::fromW28(const char* p) {
  HistoryRecord r;
  r.time = f64(p);
  r.pressureAbs = f32(p + 8);
  r.pressureRel = f32(p + 12);
  r.wind = f32(p + 16);
  r.direction = qFromLittleEndian<qint32>(p + 20);
  r.gust = f32(p + 24);
  r.rain = f32(p + 32);
  r.tempIn = f32(p + 36);
  r.tempOut = f32(p + 40);
  r.humIn = f32(p + 44);
  r.humOut = f32(p + 48);
  return r;
}

bool HistoryRecord::sound() const {
  for (double v : {pressureAbs, pressureRel, wind, gust, rain, tempIn, tempOut, humIn, humOut})
    if (!std::isfinite(v)) return false;
  return StationTime::plausible(time);
}

std::optional<std::int64_t> HistoryRecord::recordBack(std::int64_t newest, double interval, double span) {
  if (!(interval > 0)) return std::nullopt;
  // Times are stored with rounding: 5-minute records are 11.9999999 or
  // 12.0000001 intervals an hour apart, and both mean 12.
  double steps = span / interval;
  if (std::abs(steps - std::round(steps)) < 1e-6) steps = std::round(steps);
  // In double, so a tiny interval gives a far negative index, not an overflow.
  const double k = double(newest) - steps;
  if (!(k >= 1)) return std::nullopt;
  return std::int64_t(k);
}

}  // namespace parlhora
