#include "internet/AprsReadings.h"

#include <cmath>

#include "internet/MetarReadings.h"
#include "weather/HalfEven.h"

namespace parlhora {

namespace {

constexpr double kMissingTemperature = WeatherSnapshot::kNoTemperature;
constexpr int kMissing = AprsWeather::kMissing;

QString temperatureWord(const UnitFactors& u, const char* word) {
  return QStringLiteral("%1 (°%2) = ").arg(QString::fromUtf8(word), u.UnitTempText);
}
QString windWord(const UnitFactors& u, const char* word) {
  return QStringLiteral("%1 (%2) = ").arg(QString::fromUtf8(word), u.UnitVentText);
}
QString pressureWord(const UnitFactors& u) { return QStringLiteral("Luftdruck (%1) = ").arg(u.UnitPresText); }
QString rainWord(const UnitFactors& u) { return QStringLiteral("Regen/24h (%1) = ").arg(u.UnitPluieText); }

double kmh(int raw, RawWindUnit unit) {
  switch (unit) {
    case RawWindUnit::Mph:
      return raw * 1.609344;
    case RawWindUnit::Knots:
      return raw * 1.852;
    case RawWindUnit::Kmh:
      break;
  }
  return raw;
}

void applyWind(const AprsWeather& w, const AprsReadings::Options& o, WeatherSnapshot& snap, Captions& c) {
  const UnitFactors& u = o.units;
  if (w.gust == kMissing) {
    snap.VitRafa = WeatherSnapshot::kNoGust;
    c.set("CheckBoxRafa", windWord(u, "Böen") + "--");
  } else {
    snap.VitRafa = u.wind(kmh(w.gust, o.rawWind));
    c.set("CheckBoxRafa", windWord(u, "Böen") + u.windText(snap.VitRafa));
  }
  snap.VitVent = WeatherSnapshot::kNoWind;
  snap.DirVent = WeatherSnapshot::kNoDirection;
  c.set("CheckBoxVent", windWord(u, "Wind") + "--");
  c.set("CheckBoxDire", QStringLiteral("Richtung (°) = --"));
  if (w.speed != kMissing && w.speed >= 0) {
    snap.VitVent = u.wind(kmh(w.speed, o.rawWind));
    c.set("CheckBoxVent", windWord(u, "Wind") + u.windText(snap.VitVent));
  }
  if (w.direction >= 0 && w.direction <= 360) {
    snap.DirVent = w.direction;
    c.set("CheckBoxDire", QStringLiteral("Richtung (°) = %1").arg(w.direction));
  }
}

void applyDewPoint(const UnitFactors& u, WeatherSnapshot& snap, Captions& c) {
  const bool known = !c.red("CheckBoxText") && snap.HumiExt != WeatherSnapshot::kNoHumidity &&
                     snap.TempExt != kMissingTemperature;
  if (!known) {
    snap.TRos = kMissingTemperature;
    c.set("LabelTros", QStringLiteral("Taupunkt (%1) = --").arg(u.UnitTempText));
    return;
  }
  const double t = u.fahrenheit() ? (snap.TempExt - 32) / 1.8 : snap.TempExt;
  const double rh = static_cast<std::uint8_t>(snap.HumiExt);
  double td = std::pow(rh / 100, 0.125) * (112 + 0.9 * t) + 0.1 * t - 112;
  if (u.fahrenheit()) td = td * 1.8 + 32;
  snap.TRos = td;
  c.set("LabelTros", temperatureWord(u, "Taupunkt") + u.temperatureText(td));
}

}  // namespace

void AprsReadings::setEmpty(const UnitFactors& u, Captions& captions) {
  MetarReadings::setEmpty(u, captions);
  captions.set("CheckBoxPluie", QStringLiteral("Regen/24h (%1) =").arg(u.UnitPluieText));
}

void AprsReadings::apply(const AprsWeather& w, const Options& o, WeatherSnapshot& snap, Captions& c) {
  const UnitFactors& u = o.units;
  applyWind(w, o, snap, c);

  if (w.temperature == kMissing) {
    snap.TempExt = kMissingTemperature;
    c.set("CheckBoxText", temperatureWord(u, "Aussen-T") + "--");
  } else {
    const double celsius = o.rawFahrenheit ? (w.temperature - 32) * 5.0 / 9.0 : w.temperature;
    snap.TempExt = u.temperature(celsius);
    c.set("CheckBoxText", temperatureWord(u, "Aussen-T") + u.temperatureText(snap.TempExt));
  }

  if (w.rain24h == kMissing || w.rain24h < 0) {
    snap.Pluie = WeatherSnapshot::kNoRain;
    c.set("CheckBoxPluie", rainWord(u) + "--");
  } else {
    snap.Pluie = u.rain(o.rawInch ? w.rain24h * 25.4 / 100 : w.rain24h);
    c.set("CheckBoxPluie", rainWord(u) + u.rainText(snap.Pluie));
  }

  if (w.humidity == kMissing) {
    snap.HumiExt = WeatherSnapshot::kNoHumidity;
    c.set("CheckBoxHumiExt", QStringLiteral("Feuchte (%) = --"));
  } else {
    snap.HumiExt = static_cast<std::int8_t>(static_cast<std::uint8_t>(w.humidity));
    c.set("CheckBoxHumiExt", QStringLiteral("Feuchte (%) = %1").arg(w.humidity));
  }

  if (w.pressure == kMissing) {
    snap.PresAtm = WeatherSnapshot::noPressure(u.UnitPresFactor);
    c.set("CheckBoxPatm", pressureWord(u) + "--");
  } else {
    snap.PresAtm = u.pressureTrim(o.pressureOffset) + w.pressure / 10.0 * u.UnitPresFactor;
    c.set("CheckBoxPatm", pressureWord(u) + u.pressureText(snap.PresAtm));
  }

  MetarReadings::applyWindChill(u, snap, c);
  MetarReadings::colour(u, snap, c);
  applyDewPoint(u, snap, c);
}

QString AprsReadings::plainLine(const AprsWeather& w, const WeatherSnapshot& snap, const UnitFactors& u) {
  auto celsius = [&u](double t) { return HalfEven::round((t - u.UnitTempOffset) / u.UnitTempFactor); };
  QString s;
  if (snap.TempExt != kMissingTemperature) s += QStringLiteral(" TEMP %1C").arg(celsius(snap.TempExt));
  if (w.pressure != kMissing) s += QStringLiteral(" = QNH %1hPa").arg(HalfEven::round(w.pressure / 10.0));
  if (snap.VitVent >= 0)
    s += QStringLiteral(" = WS %1kmh").arg(HalfEven::round(snap.VitVent / u.UnitVentFactor));
  if (snap.TRes != kMissingTemperature) s += QStringLiteral(" = WCT %1C").arg(celsius(snap.TRes));
  if (snap.HumiExt != -1) s += QStringLiteral(" = HUM %1").arg(static_cast<std::uint8_t>(snap.HumiExt));
  s += u' ';
  return s;
}

}  // namespace parlhora
