#include "internet/AprsReportDate.h"

#include <QTimeZone>

namespace parlhora {

namespace {

int toInt(const QString& text) {
  bool ok = false;
  const int v = text.toInt(&ok);
  return ok ? v : -1;
}

QDateTime wall(int year, int month, int day, int hour, int minute, int second = 0) {
  const QDate date(year, month, day);
  const QTime time(hour, minute, second);
  if (!date.isValid() || !time.isValid()) return {};
  return QDateTime(date, time, QTimeZone::utc());
}

std::optional<AprsReportDate> fromDateLine(const QString& line, bool universal, const QDateTime& now) {
  static const QStringList months{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                  "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  AprsReportDate d;
  d.shown = line;
  const int month = static_cast<int>(months.indexOf(line.left(3))) + 1;
  d.local = wall(toInt(line.mid(7, 4)), month, toInt(line.mid(4, 2)), toInt(line.mid(12, 2)),
                 toInt(line.mid(15, 2)));
  if (d.local.isValid() && universal) d.local = d.local.addSecs(now.timeZone().standardTimeOffset(now));
  return d;
}

std::optional<AprsReportDate> fromPageStamp(const QString& line) {
  const qsizetype dash = line.indexOf(u'-');
  const qsizetype colon = line.indexOf(u':');
  const bool date = dash >= 4 && line.size() > dash + 3 && line[dash + 3] == u'-';
  const bool time = colon >= 13 && line.size() > colon + 3 && line[colon + 3] == u':';
  if (!date && !time) return std::nullopt;
  AprsReportDate d;
  d.pageStamp = true;
  const QString day = date ? line.mid(dash - 4, 10) : QString();
  const QString clock = time ? line.mid(colon - 2, 8) : QString();
  d.shown = day + u' ' + clock;
  if (date && time)
    d.local = wall(toInt(day.left(4)), toInt(day.mid(5, 2)), toInt(day.mid(8, 2)), toInt(clock.left(2)),
                   toInt(clock.mid(3, 2)), toInt(clock.mid(6, 2)));
  return d;
}

}  // namespace

std::optional<AprsReportDate> AprsReportDate::read(const QStringList& lines, bool universal,
                                                   const QDateTime& now) {
  if (lines.size() >= 2) {
    const QString& dateLine = lines[lines.size() - 2];
    if (dateLine.size() == 17 && dateLine[14] == u':') return fromDateLine(dateLine, universal, now);
    return std::nullopt;
  }
  if (lines.size() == 1) return fromPageStamp(lines[0]);
  return std::nullopt;
}

}  // namespace parlhora
