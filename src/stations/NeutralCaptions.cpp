#include "stations/NeutralCaptions.h"

namespace parlhora {

void NeutralCaptions::laCrosse(Captions& c) {
  c.set(QStringLiteral("CheckBoxTint"), QStringLiteral("Innen-T(°C) = "));
  c.set(QStringLiteral("CheckBoxText"), QStringLiteral("Aussen-T (°C) = "));
  c.set(QStringLiteral("CheckBoxPatm"), QStringLiteral("Luftdruck (hPa) = "));
  c.set(QStringLiteral("CheckBoxTend"), QStringLiteral("Trend = "));
  c.set(QStringLiteral("CheckBoxVent"), QStringLiteral("Wind (km/h) = "));
  c.set(QStringLiteral("CheckBoxRafa"), QStringLiteral("Böen (km/h) = "));
  c.set(QStringLiteral("CheckBoxTRes"), QStringLiteral("gefühlt (C°) = "));
  c.set(QStringLiteral("CheckBoxDire"), QStringLiteral("Richtung (°) = "));
  c.set(QStringLiteral("CheckBoxHumiExt"), QStringLiteral("Feuchte (%) ="));
  c.set(QStringLiteral("CheckBoxPluie"), QStringLiteral("Regen/24h (mm) ="));
}

void NeutralCaptions::pro2(Captions& c, const UnitFactors& u) {
  const QString temp = QStringLiteral(" (°") + u.UnitTempText + QStringLiteral(") = ");
  const QString wind = QStringLiteral(" (") + u.UnitVentText + QStringLiteral(") = ");
  c.set(QStringLiteral("CheckBoxTint"), QStringLiteral("Innen-T") + temp);
  c.set(QStringLiteral("CheckBoxText"), QStringLiteral("Aussen-T") + temp);
  c.set(QStringLiteral("CheckBoxPatm"),
        QStringLiteral("Luftdruck (") + u.UnitPresText + QStringLiteral(") = "));
  c.set(QStringLiteral("CheckBoxTend"), QStringLiteral("Trend = "));
  c.set(QStringLiteral("CheckBoxVent"), QStringLiteral("Wind") + wind);
  c.set(QStringLiteral("CheckBoxRafa"), QStringLiteral("Böen") + wind);
  c.set(QStringLiteral("CheckBoxDire"), QStringLiteral("Richtung (°) = "));
  c.set(QStringLiteral("CheckBoxHumiExt"), QStringLiteral("Feuchte (%) = "));
  c.set(QStringLiteral("CheckBoxPluie"),
        QStringLiteral("Regen/24h (") + u.UnitPluieText + QStringLiteral(") ="));
}

}  // namespace parlhora
