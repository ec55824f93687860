#pragma once

#include <QDate>
#include <QStringList>

namespace parlhora {

struct ScheduleSettings;

/// The `schedule` command's answer: runs the real once-a-second tick over
/// one local day on a virtual clock and lists when it starts an
/// announcement. Any thread that owns no other core state.
class DaySchedule {
 public:
  /// "hh:mm" of every timed announcement on `date` (local time, so a DST
  /// day has its missing or repeated hour), in order.
  static QStringList run(const ScheduleSettings& settings, const QDate& date);
};

}  // namespace parlhora
