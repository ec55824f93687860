#pragma once

#include <QDateTime>
#include <optional>

#include "internet/MetarGroups.h"
#include "internet/MetarReportTime.h"
#include "weather/Captions.h"
#include "weather/UnitFactors.h"
#include "weather/WeatherSnapshot.h"

namespace parlhora {

/// Turns decoded METAR groups into the source's readings (in the user's
/// units) and the captions of the METAR window, with their red flags.
class MetarReadings {
 public:
  struct Options {
    const UnitFactors& units;
    int pressureOffset = 0;  // SpinEditOffSetPression steps
    bool localTime = false;  // ComboBoxTU "Lok"
    QDateTime now;           // local wall time with its zone
  };

  /// Writes every reading; one the report lacks is absent (the report time
  /// alone keeps its last value). Returns the report time when one was
  /// decoded.
  static std::optional<MetarReportTime> apply(const MetarGroups& g, const Options& o, WeatherSnapshot& snap,
                                              SnapshotCompanions& companions, Captions& captions);

  /// The check box captions with nothing decoded yet (after a fetch).
  static void setEmpty(const UnitFactors& u, Captions& captions);
  /// "Airport code = " + the report's first word.
  static QString airportCaption(const MetarGroups& g);
  /// Felt temperature from TempExt and VitVent (CheckBoxTRes); -200 below 5 km/h.
  static void applyWindChill(const UnitFactors& u, WeatherSnapshot& snap, Captions& captions);
  /// Red flags of the shown temperature, felt, pressure, wind and gust captions.
  static void colour(const UnitFactors& u, const WeatherSnapshot& snap, Captions& captions);
};

}  // namespace parlhora
