#pragma once

namespace parlhora {

/// The source chosen in the source chooser (METEO=); None = "Kein Wetter-Daten".
/// NET is the network station, which the composer treats as the Pro2.
enum class WeatherSource { None, MON, W23, W28, APRS, PRO2, METAR, NET };

}  // namespace parlhora
