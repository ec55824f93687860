#pragma once

#include <QDateTime>
#include <functional>
#include <vector>

#include "audio/Keying.h"
#include "platform/Clock.h"

namespace parlhora {

/// Notes when the lines went up, and how often `during` held at that moment.
class TimedKeying final : public Keying {
 public:
  explicit TimedKeying(Clock& clock, std::function<bool()> during = {})
      : clock_(clock), during_(std::move(during)) {}
  bool portInUse() const override { return true; }
  void keyUp() override {
    keyedAt.push_back(clock_.now());
    if (during_ && during_()) ++keyedDuring;
  }
  void unkey() override {}
  std::vector<QDateTime> keyedAt;
  int keyedDuring = 0;

 private:
  Clock& clock_;
  std::function<bool()> during_;
};

}  // namespace parlhora
