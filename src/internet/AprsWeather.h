#pragma once

#include <QString>

namespace parlhora {

/// The fields of an APRS weather string ("_" marker, then c/s/g/t/r/p/P/h/b
/// groups), raw as sent: wind in the page's unit, temperature in °F or °C,
/// rain in hundredths of an inch or mm, pressure in tenths of hPa.
struct AprsWeather {
  static constexpr int kMissing = -100;

  int direction = kMissing;    // c, degrees
  int speed = kMissing;        // s
  int gust = kMissing;         // g
  int temperature = kMissing;  // t
  int rain24h = kMissing;      // p
  int humidity = kMissing;     // h, percent ("00" means 100)
  int pressure = kMissing;     // b, tenths of hPa

  /// Reads the weather string in `line`: everything up to the first "_" and
  /// from the first "." on is dropped, so a "..." placeholder ends the
  /// fields. A field that is absent, short or not a number stays missing.
  static AprsWeather parse(const QString& line);
};

}  // namespace parlhora
