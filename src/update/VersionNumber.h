#pragma once

#include <QString>

namespace parlhora {

/// Turns "a.b.c" into 100·a + 10·b + c from the first character of each
/// part, so only single digits count ("2.10.0" gives 210). A missing or
/// empty part counts 0; a non-digit ends the conversion with the value so far.
class VersionNumber {
 public:
  static int of(const QString& text);
};

}  // namespace parlhora
