#include "internet/MetarReportTime.h"

namespace parlhora {

namespace {

std::optional<QDateTime> inMonth(int year, int month, int day, const QTime& time) {
  const QDate date(year, month, day);
  if (!date.isValid()) return std::nullopt;
  return QDateTime(date, time, Qt::UTC);
}

}  // namespace

std::optional<MetarReportTime> MetarReportTime::resolve(int day, int hour, int minute, const QDateTime& now) {
  const QTime time(hour, minute);
  if (!time.isValid()) return std::nullopt;
  const QDateTime nowUtc = now.toUTC();
  const QDate today = nowUtc.date();
  auto t = inMonth(today.year(), today.month(), day, time);
  // A report is never from the future; a date that would be belongs to the
  // month before (clocks may be a little off, hence the day of slack).
  if (!t || *t > nowUtc.addDays(1)) {
    const QDate previous = today.addMonths(-1);
    t = inMonth(previous.year(), previous.month(), day, time);
    if (!t) return std::nullopt;
  }
  MetarReportTime r;
  r.universal = *t;
  r.local = t->addSecs(now.offsetFromUtc());
  return r;
}

double MetarReportTime::dayCount(const QDateTime& wall) {
  static const QDate epoch(1899, 12, 30);
  return static_cast<double>(epoch.daysTo(wall.date())) + wall.time().msecsSinceStartOfDay() / 86400000.0;
}

QString MetarReportTime::display(const QDateTime& wall) {
  return wall.date().toString(QStringLiteral("dd.MM.yyyy")) + QStringLiteral("  ") +
         wall.time().toString(QStringLiteral("HH:mm:ss"));
}

QString MetarReportTime::uiviewStamp(const QDateTime& wall) {
  static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const QDate d = wall.date();
  return QStringLiteral("%1 %2 %3 %4")
      .arg(QLatin1String(months[d.month() - 1]))
      .arg(d.day(), 2, 10, QLatin1Char('0'))
      .arg(d.year(), 4, 10, QLatin1Char('0'))
      .arg(wall.time().toString(QStringLiteral("HH:mm")));
}

}  // namespace parlhora
