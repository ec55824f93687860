#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "stations/SensorImage.h"

namespace parlhora::sim {

/// What the simulated station holds at one moment: its sensor image, its
/// tendency arrow and its calibration numbers, in the station's units.
struct StationState {
  SensorImage image{700, 500, 10, 180, 30000, 40, 60, 0};
  int trend = 0;         // 0 steady, 1 rising, 2 falling
  int calInside = 0;     // tenths of °F
  int calOutside = 0;    // tenths of °F
  int calBarometer = 0;  // thousandths of inHg
};

/// A readings file: one line per moment, "SECONDS key=value ...", each
/// line changing only the keys it names. Keys: tin, tout (°F), baro
/// (inHg), wind (mph), dir (degrees), hin, hout (%), rain (clicks), trend
/// (steady, rising, falling), cal_tin, cal_tout (°F), cal_baro (inHg).
/// A value "-" is a missing sensor. "#" starts a comment.
class ReadingScript {
 public:
  /// Parses `text`; on a fault, error() names the line and nothing is kept.
  static ReadingScript parse(const QByteArray& text);

  QString error() const { return error_; }
  /// The state at `seconds` after the start: the last line not later than
  /// that (the first one before it); a script without lines holds the default.
  StationState at(double seconds) const;

 private:
  QList<QPair<double, StationState>> steps_;
  QString error_;
};

}  // namespace parlhora::sim
