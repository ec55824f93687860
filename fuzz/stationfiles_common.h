// Shared checks of the station-file fuzz targets: whatever the bytes, a
// reading that comes out holds finite numbers, shows no "nan" or "inf", and
// speaks only built-in pieces.
#pragma once

#include <cmath>
#include <cstdlib>

#include "spoken_check.h"
#include "stations/StationReading.h"
#include "stations/StationTime.h"

namespace fuzzcheck {

inline void finite(double v) {
  if (!std::isfinite(v)) std::abort();
}

inline void sound(const parlhora::StationReading& r, parlhora::WeatherSource id,
                  const parlhora::UnitFactors& units) {
  const parlhora::WeatherSnapshot& s = r.snapshot;
  for (double v :
       {s.TempInt, s.TempExt, s.TRes, s.TRos, s.PresAtm, s.VitVent, s.VitRafa, s.Pluie, s.RecordInterval})
    finite(v);
  if (!parlhora::StationTime::plausible(r.dataTime)) std::abort();
  for (const auto& c : r.captions.all())
    if (c.text.contains(QLatin1String("nan"), Qt::CaseInsensitive) ||
        c.text.contains(QLatin1String("inf"), Qt::CaseInsensitive))
      std::abort();
  speaksOnlyPieces(s, id, units);
}

inline parlhora::UnitFactors imperial() {
  parlhora::UnitsSettings u;
  u.celsius = u.hectopascal = u.kmh = u.millimetres = false;
  return parlhora::UnitFactors::from(u);
}

}  // namespace fuzzcheck
