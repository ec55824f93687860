#pragma once

#include <QString>

namespace parlhora {

/// What the main window shows of the serial port; views mirror it.
struct SerialIndicators {
  QString labelCOM = QStringLiteral("COM");  // LabelCOM: port name, "COM" when none
  bool transmitting = false;                 // ImageLedON shown instead of ImageLedOFF
  bool carrierShown = false;                 // ImagePiroloOff shown instead of ImagePirolo
  QString labelCTS = QStringLiteral("CTS=Off");
  QString labelDSR = QStringLiteral("DSR=Off");
  QString labelDCD = QStringLiteral("DCD=Off");

  bool operator==(const SerialIndicators&) const = default;
};

}  // namespace parlhora
