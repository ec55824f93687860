#pragma once

#include <QByteArray>

#include "weather/ReadingBoxes.h"

namespace parlhora {

/// The network station's window (NET_): where the receiver listens, the
/// optional key an upload must carry, the pressure trim and the tendency
/// threshold. All ten reading boxes exist.
struct NetStationSettings {
  static constexpr int kDefaultPort = 8080;

  ReadingBoxes boxes;
  int port = kDefaultPort;            // NET_PORT= 1..65535
  QByteArray path = "/data/report/";  // NET_PATH=, the Ecowitt upload path
  QByteArray key;                     // NET_KEY=, empty = any PASSKEY or ID
  int pressureOffset = 0;             // SpinEditOffSetPression (NET_POFFSET=)
  int trendThreshold = 4;             // SpinEditSeuiltendance 1..9 (NET_SEUILTEN=)
};

}  // namespace parlhora
