#pragma once

#include <QString>

namespace parlhora {

/// What a serial port path leads to, and the causes a failed open is
/// logged with, in the user's words. Both ports (control lines and
/// station) use them, so the log speaks one language.
class DeviceNode {
 public:
  /// Empty when `path`, symlinks followed, is a character device; else
  /// "fehlt (...)" or "kein Gerät (...)".
  static QString characterDeviceProblem(const QString& path);
  /// The cause of a failed call: "fehlt", "belegt", "keine Berechtigung,
  /// Gruppe dialout?", each with the call and the system's text, or only
  /// those for other errors.
  static QString errnoText(const char* call, int error);
};

}  // namespace parlhora
