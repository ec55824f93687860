#pragma once

#include <QByteArray>

#include "weather/ReadingBoxes.h"

namespace parlhora {

/// The Weather Monitor II window (TFormMeteo). Only the first seven reading
/// boxes exist there (TEMPINT= .. DIRVENT=, without prefix).
struct MonitorSettings {
  ReadingBoxes boxes;
  bool hourlyLog = false;  // CheckBoxlog (LOG=)
  int refreshMinutes = 1;  // SpinEditRafraichir 1..60 (METPERI=)
  QByteArray port = "0";   // MonPort: a COMn number or a device name, "0" = none (METCOMM=)
};

}  // namespace parlhora
