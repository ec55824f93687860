#pragma once

#include <QByteArray>
#include <QDateTime>
#include <optional>

namespace parlhora {

/// The readings of one station upload in base units (°C, %, hPa, km/h,
/// degrees, mm). A field the upload lacks, or sent as junk, is empty.
struct NetUpload {
  std::optional<double> tempOut;      // tempf
  std::optional<double> tempIn;       // tempinf, indoortempf
  std::optional<double> humidityOut;  // humidity
  std::optional<double> humidityIn;   // humidityin, indoorhumidity
  std::optional<double> pressure;     // baromrelin, baromin: relative pressure
  std::optional<double> wind;         // windspeedmph
  std::optional<double> gust;         // windgustmph
  std::optional<int> direction;       // winddir
  std::optional<double> rainTotal;    // the longest running rain counter sent
  int rainCounter = 0;                // which counter rainTotal is (0 = none)
  /// dateutc as local time; invalid for "now", none or junk.
  QDateTime dataTime;
  /// PASSKEY or ID, only to compare with NET_KEY; never stored.
  QByteArray key;

  /// How many readings the upload holds; an upload with none changes nothing.
  int readings() const {
    return tempOut.has_value() + tempIn.has_value() + humidityOut.has_value() + humidityIn.has_value() +
           pressure.has_value() + wind.has_value() + gust.has_value() + direction.has_value() +
           rainTotal.has_value();
  }
};

}  // namespace parlhora
