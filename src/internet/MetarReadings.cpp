#include "internet/MetarReadings.h"

#include <cmath>

#include "weather/HalfEven.h"
#include "weather/ValidityLimits.h"

namespace parlhora {

namespace {

constexpr double kMissingTemperature = WeatherSnapshot::kNoTemperature;
constexpr auto kNone = "--";

QString temperatureWord(const UnitFactors& u, const char* word) {
  return QStringLiteral("%1 (°%2) = ").arg(QString::fromUtf8(word), u.UnitTempText);
}

QString pressureWord(const UnitFactors& u) { return QStringLiteral("Luftdruck (%1) = ").arg(u.UnitPresText); }

QString windWord(const UnitFactors& u, const char* word) {
  return QStringLiteral("%1 (%2) = ").arg(QString::fromUtf8(word), u.UnitVentText);
}

std::optional<MetarReportTime> applyTime(const MetarGroups& g, const MetarReadings::Options& o,
                                         SnapshotCompanions& companions, Captions& captions) {
  captions.set("Editdatemeteo", QString());
  if (!g.timeWordFound) return std::nullopt;
  const auto t = MetarReportTime::resolve(g.day, g.hour, g.minute, o.now);
  if (!t) return std::nullopt;
  companions.raiseDataTime(MetarReportTime::dayCount(t->local));
  captions.set("Editdatemeteo", MetarReportTime::display(o.localTime ? t->local : t->universal));
  return t;
}

void applyWind(const MetarGroups& g, const UnitFactors& u, WeatherSnapshot& snap, Captions& captions) {
  if (g.gust >= 0 && g.speedFactor != 0) {
    snap.VitRafa = g.speedFactor * g.gust * u.UnitVentFactor;
    captions.set("CheckBoxRafa", windWord(u, "Böen") + u.windText(snap.VitRafa));
  } else {
    snap.VitRafa = WeatherSnapshot::kNoGust;
    captions.set("CheckBoxRafa", windWord(u, "Böen") + kNone);
  }
  snap.VitVent = WeatherSnapshot::kNoWind;
  snap.DirVent = WeatherSnapshot::kNoDirection;
  captions.set("CheckBoxVent", windWord(u, "Wind") + kNone);
  captions.set("CheckBoxDire", QStringLiteral("Richtung (°) = --"));
  if (g.speed >= 0 && g.speedFactor != 0) {
    snap.VitVent = g.speedFactor * g.speed * u.UnitVentFactor;
    captions.set("CheckBoxVent", windWord(u, "Wind") + u.windText(snap.VitVent));
  }
  if (g.direction >= 0 && g.direction <= 360) {
    snap.DirVent = g.direction;
    captions.set("CheckBoxDire", QStringLiteral("Richtung (°) = %1").arg(g.direction));
  } else if (g.direction == MetarGroups::kVariable) {
    snap.DirVent = MetarGroups::kVariable;
    captions.set("CheckBoxDire", QStringLiteral("Richtung (°) = variabel"));
  }
}

}  // namespace

void MetarReadings::applyWindChill(const UnitFactors& u, WeatherSnapshot& snap, Captions& captions) {
  const QString word = temperatureWord(u, "gefühlt");
  if (snap.VitVent < u.wind(5) || snap.TempExt == kMissingTemperature) {
    snap.TRes = kMissingTemperature;
    captions.set("CheckBoxTRes", word + kNone);
    return;
  }
  const double t = snap.TempExt;
  // Each formula wants its own wind unit, whatever the user shows.
  const double kmh = snap.VitVent / u.UnitVentFactor;
  double wc;
  if (u.fahrenheit()) {
    const double v = std::pow(kmh / 1.609344, 0.16);
    wc = 35.74 + 0.6215 * t + (0.4275 * t - 35.75) * v;
  } else {
    const double v = std::pow(kmh, 0.16);
    wc = 13.12 + 0.6215 * t + (0.3965 * t - 11.37) * v;
  }
  snap.TRes = wc;
  captions.set("CheckBoxTRes", word + u.temperatureText(wc));
}

namespace {

QString weatherText(std::uint8_t flags) {
  QString text;
  const char* strength = (flags & FlagLight) ? "leicht" : (flags & FlagHeavy) ? "stark" : "mässig";
  if (flags & FlagRain) text = QStringLiteral("Regen ") + QString::fromUtf8(strength);
  if (flags & FlagSnow) text = QStringLiteral("Schnee ") + QString::fromUtf8(strength);
  if (flags & FlagHail) text = QStringLiteral("Hagel");
  if (flags & (FlagMist | FlagFog)) text = QStringLiteral("Nebel");
  // An intensity without a known kind says nothing.
  return text.isEmpty() ? QStringLiteral("Niederschläge = --") : text;
}

void applyHumidity(const MetarGroups& g, WeatherSnapshot& snap, Captions& captions) {
  // The formula is for °C; the report's own values are, whatever is shown.
  const double t = g.temperature, td = g.dewPoint;
  const double rh = 100 * std::exp(17.625 * td / (243.04 + td)) / std::exp(17.625 * t / (243.04 + t));
  const double rounded = HalfEven::nearest(rh);
  if (!(rounded >= 0)) {
    snap.HumiExt = WeatherSnapshot::kNoHumidity;
    captions.set("CheckBoxHumiExt", QStringLiteral("Feuchte (%) = --"));
    return;
  }
  const int h = rounded > 99 ? 99 : static_cast<int>(rounded);
  snap.HumiExt = static_cast<std::int8_t>(h);
  captions.set("CheckBoxHumiExt", QStringLiteral("Feuchte (%) = %1").arg(h));
}

}  // namespace

void MetarReadings::colour(const UnitFactors& u, const WeatherSnapshot& snap, Captions& captions) {
  auto flag = [&](const char* name, bool good) {
    const bool shown = !captions.text(name).contains(QLatin1String(kNone));
    captions.setRed(name, shown && !good);
  };
  flag("CheckBoxText", ValidityLimits::temperature(snap.TempExt, u));
  flag("CheckBoxTRes", ValidityLimits::temperature(snap.TRes, u));
  flag("CheckBoxPatm", ValidityLimits::pressure(snap.PresAtm, u));
  flag("CheckBoxVent", ValidityLimits::wind(snap.VitVent, u));
  flag("CheckBoxRafa", ValidityLimits::within(snap.VitRafa, 0, u.wind(ValidityLimits::kGustHigh)));
}

QString MetarReadings::airportCaption(const MetarGroups& g) {
  return QStringLiteral("Airport code = ") + (g.words.isEmpty() ? QString() : g.words.first());
}

void MetarReadings::setEmpty(const UnitFactors& u, Captions& captions) {
  captions.set("CheckBoxText", temperatureWord(u, "Aussen-T"));
  captions.set("CheckBoxPatm", pressureWord(u));
  captions.set("CheckBoxVent", windWord(u, "Wind"));
  captions.set("CheckBoxRafa", windWord(u, "Böen"));
  captions.set("CheckBoxDire", QStringLiteral("Richtung (°) = "));
  captions.set("CheckBoxHumiExt", QStringLiteral("Feuchte (%) ="));
  captions.set("CheckBoxPluie", QStringLiteral("Niederschläge ="));
  for (const char* name : {"CheckBoxText", "CheckBoxPatm", "CheckBoxVent", "CheckBoxRafa"})
    captions.setRed(name, false);
}

std::optional<MetarReportTime> MetarReadings::apply(const MetarGroups& g, const Options& o,
                                                    WeatherSnapshot& snap, SnapshotCompanions& companions,
                                                    Captions& captions) {
  const UnitFactors& u = o.units;
  captions.set("LabelICAO", airportCaption(g));
  const auto time = applyTime(g, o, companions, captions);

  applyWind(g, u, snap, captions);

  const QString outside = temperatureWord(u, "Aussen-T");
  if (g.temperature != MetarGroups::kMissing) {
    snap.TempExt = u.temperature(g.temperature);
    captions.set("CheckBoxText", outside + u.temperatureText(snap.TempExt));
  } else {
    snap.TempExt = kMissingTemperature;
    captions.set("CheckBoxText", outside + kNone);
  }

  if (g.pressureGroup >= 0 && g.pressureFactor != 0) {
    snap.PresAtm = u.pressureTrim(o.pressureOffset) + g.pressureGroup * g.pressureFactor * u.UnitPresFactor;
    captions.set("CheckBoxPatm", pressureWord(u) + u.pressureText(snap.PresAtm));
  } else {
    snap.PresAtm = WeatherSnapshot::noPressure(u.UnitPresFactor);
    captions.set("CheckBoxPatm", pressureWord(u) + kNone);
  }

  applyWindChill(u, snap, captions);

  const bool dewKnown = g.dewPoint != MetarGroups::kMissing && snap.TempExt > -70;
  const QString dewWord = temperatureWord(u, "Taupunkt");
  if (dewKnown) {
    snap.TRos = u.temperature(g.dewPoint);
    captions.set("LabelTros", dewWord + u.temperatureText(snap.TRos));
  } else {
    snap.TRos = kMissingTemperature;
    captions.set("LabelTros", dewWord + kNone);
  }

  snap.WeatherFlags = g.flags;
  captions.set("CheckBoxPluie", weatherText(g.flags));

  if (dewKnown) {
    applyHumidity(g, snap, captions);
  } else {
    snap.HumiExt = WeatherSnapshot::kNoHumidity;
    captions.set("CheckBoxHumiExt", QStringLiteral("Feuchte (%) = --"));
  }

  colour(u, snap, captions);
  return time;
}

}  // namespace parlhora
