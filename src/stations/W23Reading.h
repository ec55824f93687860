#pragma once

#include "stations/HistoryRecord.h"
#include "stations/StationReading.h"

namespace parlhora {

/// Turns the records of a WS-23xx history into the source's readings and
/// captions: tendency against the record an hour older, gust as the
/// strongest plausible wind of the last ten records, rain as the change of
/// the rain counter over a day.
class W23Reading {
 public:
  static void evaluate(const HistoryWindow& window, const StationParams& params, StationReading& reading);
};

}  // namespace parlhora
