#pragma once

#include <QDate>

#include "stations/Pro2Record.h"
#include "stations/StationReading.h"

namespace parlhora {

/// Turns what a Vantage Pro2 month file holds into the source's readings and
/// captions. `month` is the file's year and month (from its name); the day
/// is the last one the day index gives records for. False, with `reading`
/// half written, when the record's day or time is no date.
class Pro2Reading {
 public:
  static bool evaluate(const Pro2Window& window, QDate month, const StationParams& params,
                       StationReading& reading);
  /// The day of the newest data; 0 when the day index is empty.
  static int newestDay(const Pro2Window& window);
};

}  // namespace parlhora
