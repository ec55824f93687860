#pragma once

#include "platform/Notifier.h"

class QWidget;

namespace parlhora {

/// Notifier for the windowed program: the system beep and a modal error box
/// with one OK button over `parent` (may be null). Main thread only.
class QtNotifier : public Notifier {
 public:
  explicit QtNotifier(QWidget* parent = nullptr) : parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }

  void beep() override;
  void errorBox(const QString& text) override;

 private:
  QWidget* parent_;
};

}  // namespace parlhora
