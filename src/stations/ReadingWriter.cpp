#include "stations/ReadingWriter.h"

#include <algorithm>
#include <cmath>

#include "stations/StationTime.h"
#include "weather/HalfEven.h"
#include "weather/ValidityLimits.h"

namespace parlhora {

namespace {

// The range is checked on the value read; only a good one is rounded into
// the snapshot's byte, so 100.4 % is red and never spoken as 100.
std::int8_t humidityByte(double percent) {
  if (!ValidityLimits::humidity(percent)) return WeatherSnapshot::kNoHumidity;
  return static_cast<std::int8_t>(HalfEven::round(percent));
}

// The value read, not the byte: 150 % shows as 150, not clamped.
QString humidityText(double percent) {
  return std::isfinite(percent) ? QString::number(percent, 'f', 0) : QStringLiteral("--");
}

}  // namespace

void ReadingWriter::pressureLabels(Captions& captions, const UnitFactors& units) {
  captions.set(QStringLiteral("Label6"), units.inHg() ? QStringLiteral("0.01*inHg") : QStringLiteral("hPa"));
  captions.set(QStringLiteral("Label9"),
               units.inHg() ? QStringLiteral("0.01*inHg") : QStringLiteral("0.1*mB/h"));
}

void ReadingWriter::dataTime(double days) {
  r_.dataTime = days;
  r_.captions.set(QStringLiteral("Editdatemeteo"), StationTime::windowText(days));
}

bool ReadingWriter::tempInt(double celsius) {
  r_.snapshot.TempInt = u_.temperature(celsius);
  const bool good = ValidityLimits::temperature(r_.snapshot.TempInt, u_);
  r_.captions.set(QStringLiteral("CheckBoxTint"),
                  QStringLiteral("Innen-T ") + tempUnit() + u_.temperatureText(r_.snapshot.TempInt), !good);
  return good;
}

bool ReadingWriter::tempExt(double celsius) {
  r_.snapshot.TempExt = u_.temperature(celsius);
  const bool good = ValidityLimits::temperature(r_.snapshot.TempExt, u_);
  r_.captions.set(QStringLiteral("CheckBoxText"),
                  QStringLiteral("Aussen-T ") + tempUnit() + u_.temperatureText(r_.snapshot.TempExt), !good);
  return good;
}

bool ReadingWriter::pressure(double hPa, int trimSteps) {
  r_.snapshot.PresAtm = u_.pressure(hPa) + u_.pressureTrim(trimSteps);
  const bool good = ValidityLimits::pressure(r_.snapshot.PresAtm, u_);
  r_.captions.set(QStringLiteral("CheckBoxPatm"),
                  QStringLiteral("Luftdruck (") + u_.UnitPresText + QStringLiteral(") = ") +
                      u_.pressureText(r_.snapshot.PresAtm),
                  !good);
  return good;
}

void ReadingWriter::tendency(std::optional<double> change, double thresholdHpa, const QString& risingText) {
  std::uint8_t trend = 0;
  // A jump of 50 hPa within an hour is a glitch, not weather.
  if (change && -u_.pressure(50) < *change && *change < u_.pressure(50)) {
    const double threshold = u_.tendency(thresholdHpa);
    if (*change > threshold)
      trend = 1;
    else if (-*change > threshold)
      trend = 2;
  }
  r_.snapshot.PreTend = trend;
  const QString word = trend == 1   ? risingText
                       : trend == 2 ? QStringLiteral("fallend")
                                    : QStringLiteral("stetig");
  r_.captions.set(QStringLiteral("CheckBoxTend"), QStringLiteral("Trend : ") + word);
}

void ReadingWriter::tendencyMissing() {
  r_.snapshot.PreTend = WeatherSnapshot::kNoTendency;
  r_.captions.set(QStringLiteral("CheckBoxTend"), QStringLiteral("Trend : --"));
}

bool ReadingWriter::wind(double kmh) {
  r_.snapshot.VitVent = u_.wind(kmh);
  const bool good = ValidityLimits::wind(r_.snapshot.VitVent, u_);
  r_.captions.set(
      QStringLiteral("CheckBoxVent"),
      QStringLiteral("Wind (") + u_.UnitVentText + QStringLiteral(") = ") + u_.windText(r_.snapshot.VitVent),
      !good);
  return good;
}

void ReadingWriter::gustCaption(bool red) {
  r_.captions.set(
      QStringLiteral("CheckBoxRafa"),
      QStringLiteral("Böen (") + u_.UnitVentText + QStringLiteral(") = ") + u_.windText(r_.snapshot.VitRafa),
      red);
}

void ReadingWriter::direction(std::int32_t degrees) {
  r_.snapshot.DirVent = degrees;
  r_.captions.set(QStringLiteral("CheckBoxDire"),
                  QStringLiteral("Richtung (°) = ") + QString::number(degrees));
}

void ReadingWriter::directionMissing() {
  r_.snapshot.DirVent = WeatherSnapshot::kNoDirection;
  r_.captions.set(QStringLiteral("CheckBoxDire"), QStringLiteral("Richtung (°) = --"));
}

void ReadingWriter::humidityIn(double percent) {
  r_.snapshot.HumInt = humidityByte(percent);
  r_.captions.set(QStringLiteral("LabelHumInt"),
                  QStringLiteral("Innenfeuchte (%) = ") + humidityText(percent),
                  !ValidityLimits::humidity(percent));
}

void ReadingWriter::humidityOut(double percent) {
  humidityOutRead_ = percent;
  r_.snapshot.HumiExt = humidityByte(percent);
  r_.captions.set(QStringLiteral("CheckBoxHumiExt"), QStringLiteral("Feuchte (%) = ") + humidityText(percent),
                  !ValidityLimits::humidity(percent));
}

void ReadingWriter::rain(double mm) {
  const QString head = QStringLiteral("Regen/24h (") + u_.UnitPluieText + QStringLiteral(") = ");
  if (!(mm >= 0) || !std::isfinite(mm)) {
    r_.snapshot.Pluie = WeatherSnapshot::kNoRain;
    r_.captions.set(QStringLiteral("CheckBoxPluie"), head + QStringLiteral("--"));
    return;
  }
  r_.snapshot.Pluie = u_.rain(mm);
  r_.captions.set(QStringLiteral("CheckBoxPluie"), head + u_.rainText(r_.snapshot.Pluie));
}

void ReadingWriter::felt(bool missing) {
  const QString head = QStringLiteral("gefühlt ") + tempUnit();
  if (missing) {
    r_.snapshot.TRes = WeatherSnapshot::kNoTemperature;
    r_.captions.set(QStringLiteral("CheckBoxTRes"), head + QStringLiteral("--"));
    return;
  }
  const double t = r_.snapshot.TempExt;
  const double w = std::pow(r_.snapshot.VitVent, 0.16);
  r_.snapshot.TRes = u_.fahrenheit() ? 35.74 + 0.6215 * t - 35.75 * w + 0.4275 * t * w
                                     : 13.12 + 0.6215 * t - 11.37 * w + 0.3965 * t * w;
  r_.captions.set(QStringLiteral("CheckBoxTRes"), head + u_.temperatureText(r_.snapshot.TRes));
}

void ReadingWriter::dewPoint(bool missing) {
  const QString head = QStringLiteral("Taupunkt ") + tempUnit();
  // A humidity outside 0..100 has no real root; it is missing, not NaN.
  if (missing || !ValidityLimits::humidity(humidityOutRead_)) {
    r_.snapshot.TRos = WeatherSnapshot::kNoTemperature;
    r_.captions.set(QStringLiteral("LabelTros"), head + QStringLiteral("--"));
    return;
  }
  const double h = humidityOutRead_ / 100.0;
  const double tc = u_.fahrenheit() ? (r_.snapshot.TempExt - 32) / 1.8 : r_.snapshot.TempExt;
  const double td = std::pow(h, 0.125) * (112 + 0.9 * tc) + 0.1 * tc - 112;
  r_.snapshot.TRos = u_.fahrenheit() ? td * 1.8 + 32 : td;
  r_.captions.set(QStringLiteral("LabelTros"), head + u_.temperatureText(r_.snapshot.TRos));
}

}  // namespace parlhora
