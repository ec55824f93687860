#pragma once

#include <QString>

#include "weather/UnitsSettings.h"

namespace parlhora {

/// The unit texts and factors of the units window. Every source multiplies
/// its raw base-unit readings (°C, hPa, km/h, mm) by these before storing
/// them; a factor other than 1 means the second unit of its pair.
struct UnitFactors {
  QString UnitTempText = "C";
  double UnitTempFactor = 1;
  double UnitTempOffset = 0;
  QString UnitPresText = "hPa";
  double UnitPresFactor = 1;
  double UnitPOffsetFactor = 1;
  double UnitTendFactor = 1;
  QString UnitVentText = "km/h";
  double UnitVentFactor = 1;
  QString UnitPluieText = "mm";
  double UnitPluieFactor = 1;

  static UnitFactors from(const UnitsSettings& units);

  // The eight click handlers of the units window.
  void RadioButtonTcClick();
  void RadioButtonTfClick();
  void RadioButtonPmClick();
  void RadioButtonPiClick();
  void RadioButtonVkClick();
  void RadioButtonVmClick();
  void RadioButtonRmClick();
  void RadioButtonRiClick();

  bool fahrenheit() const { return UnitTempFactor != 1; }
  bool inHg() const { return UnitPresFactor != 1; }
  bool mph() const { return UnitVentFactor != 1; }
  bool inch() const { return UnitPluieFactor != 1; }

  double temperature(double celsius) const { return UnitTempOffset + UnitTempFactor * celsius; }
  double pressure(double hPa) const { return UnitPresFactor * hPa; }
  /// A source's pressure trim: steps of 1 hPa or of 0.01 inHg.
  double pressureTrim(int steps) const { return steps * UnitPOffsetFactor; }
  double wind(double kmh) const { return UnitVentFactor * kmh; }
  double rain(double mm) const { return UnitPluieFactor * mm; }
  /// TendThreshold in the user's pressure unit per hour.
  double tendency(double thresholdHpa) const { return thresholdHpa * UnitTendFactor; }

  /// Display texts of the source windows (fixed point).
  QString temperatureText(double value) const;
  QString pressureText(double value) const;
  QString windText(double value) const;
  QString rainText(double value) const;

  bool operator==(const UnitFactors&) const = default;
};

}  // namespace parlhora
