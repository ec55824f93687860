#include "stations/StationTime.h"

#include <cmath>

namespace parlhora {

namespace {

const QDate kEpoch(1899, 12, 30);
constexpr double kFirst = 2;       // 1900-01-01
constexpr double kLast = 2958466;  // 10000-01-01

}  // namespace

bool StationTime::plausible(double days) { return std::isfinite(days) && days >= kFirst && days < kLast; }

QDateTime StationTime::toDateTime(double days) {
  if (!plausible(days)) return {};
  const auto seconds = static_cast<qint64>(std::llround(days * 86400.0));
  const qint64 whole = seconds / 86400;
  return QDateTime(kEpoch.addDays(whole), QTime(0, 0).addSecs(int(seconds - whole * 86400)));
}

double StationTime::fromDateTime(const QDateTime& dateTime) {
  const QTime t = dateTime.time();
  return double(kEpoch.daysTo(dateTime.date())) + (t.msecsSinceStartOfDay() / 86400000.0);
}

QString StationTime::windowText(double days) {
  return toDateTime(days).toString(QStringLiteral("dd.MM.yyyy hh:mm"));
}

QString StationTime::isoText(double days) {
  // The start value 0 is a date too; show it rather than nothing.
  const QDateTime t = days == 0 ? QDateTime(kEpoch, QTime(0, 0)) : toDateTime(days);
  return t.toString(QStringLiteral("yyyy-MM-dd hh:mm"));
}

}  // namespace parlhora
