#pragma once

namespace parlhora {

/// The source chosen in the source chooser (METEO=); None = "Kein Wetter-Daten".
enum class WeatherSource { None, MON, W23, W28, APRS, PRO2, METAR };

}  // namespace parlhora
