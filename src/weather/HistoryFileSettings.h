#pragma once

#include <QByteArray>
#include <QString>

#include "weather/ReadingBoxes.h"

namespace parlhora {

/// A station-file window: WS-23xx (W23_), WS-28xx (W28_) or Vantage Pro2
/// (PRO2_). All ten reading boxes exist in each.
struct HistoryFileSettings {
  ReadingBoxes boxes;
  int refreshMinutes = 1;  // SpinEditRafraichir 1..60 (_METPERI=)
  QByteArray file;         // EditDat / FileName, empty = none (_DAT=)
  int pressureOffset = 0;  // SpinEditOffSetPression (_POFFSET=)
  int trendThreshold = 4;  // SpinEditSeuiltendance 1..9 (W23_SEUILTEN=, PRO2_SEUILTEN=); W28 1..40, no key
  bool absolutePressure = true;  // W28 only: RadioButtonPABS, else PREL (W28_PABS=)
  bool currentMonthFile = true;  // PRO2 only: CheckBoxFichier (PRO2_NEW=)
  QString errorText;             // StaticTextErreur; empty = no error ("Dateifehler")
};

}  // namespace parlhora
