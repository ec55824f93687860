#pragma once

#include <QString>
#include <cstdint>

namespace parlhora {

/// The readings of one weather source, already in the user's units. Only
/// that source's refresh writes it; the composer reads it. A field the
/// source cannot measure keeps its start value and its item is never spoken.
struct WeatherSnapshot {
  double TempInt = 0;          // inside temperature, °C or °F
  double TempExt = 0;          // outside temperature
  double TRes = 0;             // felt temperature (wind chill)
  double TRos = 0;             // dew point (shown, never spoken)
  double PresAtm = 0;          // air pressure incl. trim, hPa or inHg
  std::uint8_t PreTend = 0;    // 0 steady, 1 rising, 2 falling
  double VitVent = 0;          // wind speed, km/h or mph
  double VitRafa = 0;          // gust
  std::int32_t DirVent = 0;    // whole degrees; 999 = variable (METAR)
  std::int8_t HumInt = 0;      // inside humidity, % (shown, never spoken)
  std::int8_t HumiExt = 0;     // outside humidity, %
  double Pluie = 0;            // rain of the last 24 hours, mm or inch
  std::uint8_t WeatherFlags = 0;  // METAR present weather, see WeatherFlag
  double RecordInterval = 0;   // file sources: days between the two newest records
};

/// Bits of WeatherSnapshot::WeatherFlags.
enum WeatherFlag : std::uint8_t {
  FlagLight = 1 << 0,
  FlagHeavy = 1 << 1,
  FlagRain = 1 << 2,
  FlagSnow = 1 << 3,
  FlagHail = 1 << 4,
  FlagMist = 1 << 5,
  FlagFog = 1 << 6,
};

/// What a source keeps beside its snapshot.
struct SnapshotCompanions {
  /// Days since 1899-12-30 of the newest data; 0 = none yet. Only ever raised.
  double DataTime = 0;
  /// The file or address the source reads; empty = not usable.
  QString FileName;
  /// A refresh fell due during an announcement; run it when that ends.
  bool RefreshPending = false;

  void raiseDataTime(double t) {
    if (t > DataTime) DataTime = t;
  }
};

}  // namespace parlhora
