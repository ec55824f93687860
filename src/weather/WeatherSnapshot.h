#pragma once

#include <QString>
#include <cstdint>

namespace parlhora {

/// The readings of one weather source, already in the user's units. Only
/// that source's refresh writes it; the composer reads it. Every reading
/// starts at its absent value, which fails its plausibility window, so a
/// reading that no refresh took is never spoken; a refresh that cannot take
/// a reading puts it back to absent.
struct WeatherSnapshot {
  // The absent values; humidities and the tendency are -1 as a byte (255).
  static constexpr double kNoTemperature = -200;  // TempInt, TempExt, TRes, TRos
  static constexpr double kNoPressureHpa = 900;   // PresAtm: × the pressure factor
  static constexpr std::uint8_t kNoTendency = 255;
  static constexpr double kNoWind = -1;
  static constexpr double kNoGust = 0;
  static constexpr std::int32_t kNoDirection = -1;
  static constexpr std::int8_t kNoHumidity = -1;
  static constexpr double kNoRain = -1;

  double TempInt = kNoTemperature;      // inside temperature, °C or °F
  double TempExt = kNoTemperature;      // outside temperature
  double TRes = kNoTemperature;         // felt temperature (wind chill)
  double TRos = kNoTemperature;         // dew point (shown, never spoken)
  double PresAtm = kNoPressureHpa;      // air pressure incl. trim, hPa or inHg
  std::uint8_t PreTend = kNoTendency;   // 0 steady, 1 rising, 2 falling
  double VitVent = kNoWind;             // wind speed, km/h or mph
  double VitRafa = kNoGust;             // gust
  std::int32_t DirVent = kNoDirection;  // whole degrees; 999 = variable (METAR)
  std::int8_t HumInt = kNoHumidity;     // inside humidity, % (shown, never spoken)
  std::int8_t HumiExt = kNoHumidity;    // outside humidity, %
  double Pluie = kNoRain;               // rain of the last 24 hours, mm or inch
  std::uint8_t WeatherFlags = 0;        // METAR present weather, see WeatherFlag
  double RecordInterval = 0;            // file sources: days between the two newest records

  /// Absent pressure in the unit of `pressureFactor` (UnitPresFactor).
  static double noPressure(double pressureFactor) { return kNoPressureHpa * pressureFactor; }
  /// A snapshot with every reading absent, its pressure in the unit of
  /// `pressureFactor`: where a refresh starts.
  static WeatherSnapshot absent(double pressureFactor) {
    WeatherSnapshot s;
    s.PresAtm = noPressure(pressureFactor);
    return s;
  }
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
