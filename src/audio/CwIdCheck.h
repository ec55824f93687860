#pragma once

#include <QStringList>

#include "audio/CwIdSettings.h"

namespace parlhora {

/// Whether the identification settings can go on air. Stateless; any thread.
class CwIdCheck {
 public:
  /// One line per bad value, key and value first ("CWID_WPM=50: ...").
  /// Values that were not numbers are left to the loader's own report.
  static QStringList problems(const CwIdSettings& settings);
  /// Switched on, a call given, and every value sendable.
  static bool sendable(const CwIdSettings& settings);
  /// A call holds letters A-Z, digits and '/' only.
  static bool validCall(const QByteArray& call);
};

}  // namespace parlhora
