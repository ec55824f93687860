#pragma once

#include "stations/HistoryRecord.h"
#include "stations/StationReading.h"

namespace parlhora {

/// Turns the records of a WS-28xx history into the source's readings and
/// captions: the absolute or relative pressure as the window chooses, the
/// gust of the newest record, the rain summed over the last day.
class W28Reading {
 public:
  static void evaluate(const HistoryWindow& window, const StationParams& params, StationReading& reading);
};

}  // namespace parlhora
