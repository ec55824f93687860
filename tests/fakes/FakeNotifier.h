#pragma once

#include <QStringList>

#include "platform/Notifier.h"

namespace parlhora {

/// Records beeps and boxes instead of showing them.
class FakeNotifier : public Notifier {
 public:
  void beep() override { ++beeps; }
  void errorBox(const QString& text) override { boxes << text; }

  int beeps = 0;
  QStringList boxes;
};

}  // namespace parlhora
