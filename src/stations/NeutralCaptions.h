#pragma once

#include "weather/Captions.h"
#include "weather/UnitFactors.h"

namespace parlhora {

/// The captions the browse buttons of the station windows reset, black.
class NeutralCaptions {
 public:
  /// WS-23xx and WS-28xx: fixed texts, whatever the units.
  static void laCrosse(Captions& captions);
  /// Vantage Pro2: with the user's units.
  static void pro2(Captions& captions, const UnitFactors& units);
};

}  // namespace parlhora
