#pragma once

#include <QString>

#include "internet/AprsWeather.h"
#include "weather/Captions.h"
#include "weather/UnitFactors.h"
#include "weather/WeatherSnapshot.h"
#include "weather/WebSourceSettings.h"

namespace parlhora {

/// Turns an APRS weather string's raw fields into the source's readings
/// (in the user's units) and the captions of the APRS window.
class AprsReadings {
 public:
  struct Options {
    const UnitFactors& units;
    int pressureOffset = 0;  // SpinEditOffSetPression steps
    RawWindUnit rawWind = RawWindUnit::Mph;
    bool rawFahrenheit = true;
    bool rawInch = true;
  };

  /// Writes every reading but the report time; a missing field gets its
  /// missing value and a "--" caption.
  static void apply(const AprsWeather& w, const Options& o, WeatherSnapshot& snap, Captions& captions);

  /// The check box captions with nothing decoded yet (after a fetch).
  static void setEmpty(const UnitFactors& u, Captions& captions);

  /// The line of "aprs_cw.txt": known values only, in °C, hPa and km/h
  /// whatever the user's units.
  static QString plainLine(const AprsWeather& w, const WeatherSnapshot& snap, const UnitFactors& u);
};

}  // namespace parlhora
