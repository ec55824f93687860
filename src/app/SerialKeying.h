#pragma once

#include "audio/Keying.h"
#include "serial/SerialControl.h"

namespace parlhora {

/// The sequencer's view of the serial port: keying, the carrier block and
/// the input latches all go to SerialControl.
class SerialKeying final : public Keying {
 public:
  explicit SerialKeying(SerialControl& serial) : serial_(serial) {}

  bool portInUse() const override { return serial_.portInUse(); }
  void keyUp() override { serial_.keyUp(); }
  void unkey() override { serial_.unkey(); }
  bool channelBusy() const override { return serial_.blocksStart(); }
  void latchInputs() override { serial_.setLatches(); }

 private:
  SerialControl& serial_;
};

}  // namespace parlhora
