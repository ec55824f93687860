#pragma once

#include <QString>

namespace parlhora {

/// The folders of the program, found once at start.
class Paths {
 public:
  virtual ~Paths() = default;
  /// Absolute folder of parlhora.ini, parlhora.log, side files and jingles;
  /// exists after construction unless the system refused it.
  virtual QString programFolder() const = 0;
  /// Absolute public folder for the weather side files; empty when it could
  /// not be created (nothing is reported then).
  virtual QString weatherFolder() const = 0;
};

}  // namespace parlhora
