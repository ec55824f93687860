#include "stations/Pro2Record.h"

#include <QtEndian>

namespace parlhora {

Pro2Record Pro2Record::decode(const char* p) {
  const auto i16 = [p](int offset) { return qFromLittleEndian<qint16>(p + offset); };
  Pro2Record r;
  r.type = std::uint8_t(p[0]);
  r.interval = std::uint8_t(p[1]);
  r.minutes = i16(4);
  r.tempOut = i16(6);
  r.tempIn = i16(12);
  r.barometer = i16(14);
  r.humOut = i16(16);
  r.humIn = i16(18);
  r.rainWord = qFromLittleEndian<quint16>(p + 20);
  r.windAverage = i16(24);
  r.windHigh = i16(26);
  r.directionCode = std::uint8_t(p[28]);
  return r;
}

std::optional<double> Pro2Record::mmPerClick(std::uint16_t rainWord) {
  // The byte codes 0, 16, 32, 48 and 96 of the high byte, as a nibble.
  switch (rainWord >> 12) {
    case 0:
      return 2.54;
    case 1:
      return 0.254;
    case 2:
      return 0.2;
    case 3:
      return 1.0;
    case 6:
      return 0.1;
    default:
      return std::nullopt;
  }
}

}  // namespace parlhora
