#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

namespace parlhora {

/// The date and time of a report that gives only day, hour and minute (UTC).
/// Both times carry their wall-clock fields in a UTC QDateTime so that no
/// further zone rule moves them.
struct MetarReportTime {
  QDateTime universal;
  QDateTime local;  // universal minus the system's current bias

  /// `now` is the local wall time with its zone. The month is the current
  /// one unless that would put the report more than a day ahead of now (a
  /// report from the 31st read on the 1st): then it is the previous month.
  /// Returns nothing when no such date exists.
  static std::optional<MetarReportTime> resolve(int day, int hour, int minute, const QDateTime& now);

  /// Days since 1899-12-30 of a wall-clock time, the fraction the time of day.
  static double dayCount(const QDateTime& wall);
  /// Editdatemeteo: "dd.MM.yyyy  hh:mm:ss".
  static QString display(const QDateTime& wall);
  /// First line of "metar_uiview.txt": "Dec 07 2026 11:30".
  static QString uiviewStamp(const QDateTime& wall);
};

}  // namespace parlhora
