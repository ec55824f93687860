#include "weather/UnitFactors.h"

namespace parlhora {

UnitFactors UnitFactors::from(const UnitsSettings& units) {
  UnitFactors f;
  units.celsius ? f.RadioButtonTcClick() : f.RadioButtonTfClick();
  units.hectopascal ? f.RadioButtonPmClick() : f.RadioButtonPiClick();
  units.kmh ? f.RadioButtonVkClick() : f.RadioButtonVmClick();
  units.millimetres ? f.RadioButtonRmClick() : f.RadioButtonRiClick();
  return f;
}

void UnitFactors::RadioButtonTcClick() {
  UnitTempText = "C";
  UnitTempFactor = 1;
  UnitTempOffset = 0;
}

void UnitFactors::RadioButtonTfClick() {
  UnitTempText = "F";
  UnitTempFactor = 1.8;
  UnitTempOffset = 32;
}

void UnitFactors::RadioButtonPmClick() {
  UnitPresText = "hPa";
  UnitPresFactor = 1;
  UnitPOffsetFactor = 1;
  UnitTendFactor = 1;
}

void UnitFactors::RadioButtonPiClick() {
  UnitPresText = "inHg";
  UnitPresFactor = 0.02953;
  UnitPOffsetFactor = 0.01;
  UnitTendFactor = 0.01;
}

void UnitFactors::RadioButtonVkClick() {
  UnitVentText = "km/h";
  UnitVentFactor = 1;
}

void UnitFactors::RadioButtonVmClick() {
  UnitVentText = "mph";
  UnitVentFactor = 0.6213712;
}

void UnitFactors::RadioButtonRmClick() {
  UnitPluieText = "mm";
  UnitPluieFactor = 1;
}

void UnitFactors::RadioButtonRiClick() {
  UnitPluieText = "inch";
  UnitPluieFactor = 0.03937;
}

QString UnitFactors::temperatureText(double value) const { return QString::number(value, 'f', 1); }

QString UnitFactors::pressureText(double value) const { return QString::number(value, 'f', inHg() ? 2 : 1); }

QString UnitFactors::windText(double value) const { return QString::number(value, 'f', 0); }

QString UnitFactors::rainText(double value) const { return QString::number(value, 'f', inch() ? 2 : 1); }

}  // namespace parlhora
