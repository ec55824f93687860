#pragma once

#include <QDateTime>
#include <QStringList>

namespace parlhora {

class ParlhoraCore;

/// What an unattended box tells its owner on standard output (for the
/// journal): at start what it will do, then one line per announcement
/// start, end and keyed time. Core thread only; borrows the core.
class HeadlessReport {
 public:
  /// The lines printed once the settings are loaded: port and its state,
  /// sound device, period and hour range, next due announcement (or
  /// "Zeitansagen aus").
  static QStringList startLines(ParlhoraCore& core, const QDateTime& now);
  /// The first minute at or after `now` (to the minute) at which the tick
  /// starts an announcement; invalid when it never does.
  static QDateTime nextDue(ParlhoraCore& core, const QDateTime& now);
};

}  // namespace parlhora
