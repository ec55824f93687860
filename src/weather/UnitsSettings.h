#pragma once

namespace parlhora {

/// The user's four unit choices of the units window.
struct UnitsSettings {
  bool celsius = true;     // UNITTC=Y: C, else F
  bool hectopascal = true; // UNITPM=Y: hPa, else inHg
  bool kmh = true;         // UNITVK=Y: km/h, else mph
  bool millimetres = true; // UNITRM=Y: mm, else inch
};

}  // namespace parlhora
