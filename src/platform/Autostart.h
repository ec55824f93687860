#pragma once

namespace parlhora {

/// Start with the desktop session (CheckBoxDemarrage). Core thread only.
class Autostart {
 public:
  virtual ~Autostart() = default;
  /// Creates (true) or removes (false) the entry. Removing an entry that does
  /// not exist succeeds and changes nothing. False when the system refused.
  virtual bool setEnabled(bool enabled) = 0;
  virtual bool isEnabled() const = 0;
};

}  // namespace parlhora
