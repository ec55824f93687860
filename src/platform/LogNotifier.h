#pragma once

#include <QString>
#include <functional>

#include "platform/Notifier.h"

namespace parlhora {

/// The Notifier without windows: a beep and an error box each become one
/// line handed to `sink` (the log), so nothing waits on an unseen dialog.
class LogNotifier : public Notifier {
 public:
  using Sink = std::function<void(const QString& line)>;

  explicit LogNotifier(Sink sink) : sink_(std::move(sink)) {}

  void beep() override;
  void errorBox(const QString& text) override;

 private:
  Sink sink_;
};

}  // namespace parlhora
