#pragma once

#include <QByteArray>
#include <QString>

#include "audio/CwIdInterval.h"

namespace parlhora {

class Clock;
class WaveEngine;
struct CwIdSettings;

/// The station identification that ends an announcement: the call in
/// Morse, generated at the pieces' rate and played through the wave engine
/// like any piece, subject to CWID_MIN. Core thread only; borrows the
/// settings and the clock.
class StationId {
 public:
  StationId(const CwIdSettings& settings, Clock& clock);
  StationId(const StationId&) = delete;
  StationId& operator=(const StationId&) = delete;

  /// Switched on, sendable (a bad value leaves it out) and due by CWID_MIN now.
  bool due() const;
  /// Starts the identification on `engine` and counts it as sent. The
  /// engine's `started` event names it with WaveOrigin::Morse and the call.
  void play(WaveEngine& engine);
  /// The call as it is sent (upper case).
  QString call() const;

 private:
  const CwIdSettings& settings_;
  Clock& clock_;
  CwIdInterval interval_;
};

}  // namespace parlhora
