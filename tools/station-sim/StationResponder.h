#pragma once

#include <QByteArray>

#include "ReadingScript.h"

namespace parlhora::sim {

/// The station's side of the protocol: takes the bytes the program sends
/// and gives the bytes a station would answer, from the current state.
/// Knows LOOP and WRD; anything else gets a NAK.
class StationResponder {
 public:
  /// Every `n`th sensor packet goes out with a broken CRC (0 = none).
  void setCorruptEvery(int n) { corruptEvery_ = n; }
  void setState(const StationState& state) { state_ = state; }
  const StationState& state() const { return state_; }

  /// Consumes `bytes`; returns the answer to every command now complete.
  QByteArray feed(const QByteArray& bytes);
  int packetsSent() const { return packets_; }

 private:
  QByteArray loop(int count);
  QByteArray memory(std::uint8_t bankAndNibbles, std::uint8_t address) const;

  QByteArray pending_;
  StationState state_;
  int corruptEvery_ = 0;
  int packets_ = 0;
};

}  // namespace parlhora::sim
