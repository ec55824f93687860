#pragma once

#include <QString>

namespace parlhora {

/// The files a fresh program folder needs so that the defaults work: the
/// greeting "kuckoo.wav" and the help page "parlhora_help.html". A file the
/// user already has is never overwritten.
class ProgramFiles {
 public:
  /// Puts the missing files into `folder`; false if one could not be written.
  static bool installMissing(const QString& folder);
};

}  // namespace parlhora
