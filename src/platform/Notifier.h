#pragma once

#include <QString>

namespace parlhora {

/// Where the user must act: the system beep and modal message boxes. The
/// windowed program shows them; headless, they become log lines so nothing
/// waits on a dialog nobody sees. Core thread only.
class Notifier {
 public:
  virtual ~Notifier() = default;
  virtual void beep() = 0;
  /// An error box with one OK button; returns when it is closed.
  virtual void errorBox(const QString& text) = 0;
};

}  // namespace parlhora
