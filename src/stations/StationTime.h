#pragma once

#include <QDateTime>
#include <QString>

namespace parlhora {

/// Data times as the station files and the snapshots hold them: days since
/// 1899-12-30, the fraction being the time of day (local wall time).
class StationTime {
 public:
  /// The range a data time may take: 1900-01-01 .. 9999-12-31. Anything
  /// else (NaN included) is a garbled record, never a date to keep.
  static bool plausible(double days);
  /// The date and time of `days`, to the second; invalid when implausible.
  static QDateTime toDateTime(double days);
  static double fromDateTime(const QDateTime& dateTime);
  /// "dd.MM.yyyy hh:mm", the data-date field of the station windows.
  static QString windowText(double days);
  /// "yyyy-MM-dd hh:mm", the decode command's DataTime.
  static QString isoText(double days);
};

}  // namespace parlhora
