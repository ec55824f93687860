#pragma once

#include <QStringList>

#include "audio/Keying.h"

namespace parlhora {

/// Keying that records "key" / "unkey" and whether the lines are up now.
class FakeKeying final : public Keying {
 public:
  bool portInUse() const override { return inUse; }
  void keyUp() override;
  void unkey() override;
  bool channelBusy() const override { return carrier; }
  void latchInputs() override { ++latches; }

  bool inUse = true;
  bool carrier = false;
  bool keyed = false;
  int latches = 0;
  QStringList events;
};

}  // namespace parlhora
