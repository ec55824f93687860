#pragma once

#include "audio/Keying.h"

namespace parlhora {

/// No serial port: nothing is keyed, nothing blocks, no pre-roll.
class NoKeying final : public Keying {
 public:
  bool portInUse() const override { return false; }
  void keyUp() override {}
  void unkey() override {}
};

}  // namespace parlhora
