#pragma once

#include "stations/StationReading.h"
#include "stations/net/NetUpload.h"
#include "stations/net/UploadHistory.h"

namespace parlhora {

/// Turns one upload into the source's readings and captions, as the
/// Vantage Pro2 window shows them. Every field is written: a reading the
/// upload lacks gets its absent value and a "--" caption, so it is never
/// spoken. The tendency and the 24-hour rain come from `history`, taken
/// before this upload joined it.
class NetReading {
 public:
  /// `arrival` is when the upload came, days since 1899-12-30.
  static void evaluate(const NetUpload& upload, double arrival, const UploadHistory& history,
                       const StationParams& params, StationReading& reading);
  /// The upload's own time, or its arrival when it sent "now", nothing, or
  /// a time that lies ahead of the arrival.
  static double dataTime(const NetUpload& upload, double arrival);
};

}  // namespace parlhora
