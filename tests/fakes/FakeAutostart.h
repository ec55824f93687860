#pragma once

#include <QList>

#include "platform/Autostart.h"

namespace parlhora {

/// Records every change; `succeed` decides what setEnabled returns.
class FakeAutostart : public Autostart {
 public:
  bool setEnabled(bool enabled) override {
    calls << enabled;
    if (succeed) enabled_ = enabled;
    return succeed;
  }
  bool isEnabled() const override { return enabled_; }

  QList<bool> calls;
  bool succeed = true;

 private:
  bool enabled_ = false;
};

}  // namespace parlhora
