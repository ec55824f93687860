#pragma once

#include <QByteArray>
#include <cstdint>
#include <optional>

namespace parlhora {

/// One LOOP answer of the station as it came over the wire: raw counts in
/// the station's units (tenths of °F, mph, degrees, thousandths of inHg,
/// rain clicks), markers included. Both the link and the simulator use it.
struct SensorImage {
  std::int16_t insideTemp = 0;
  std::int16_t outsideTemp = 0;
  std::uint8_t windSpeed = 0;
  std::uint16_t windDirection = 0;
  std::uint16_t barometer = 0;
  std::uint8_t insideHumidity = 0;
  std::uint8_t outsideHumidity = 0;
  std::uint16_t rain = 0;

  /// The 18-byte packet: start byte, image, CRC.
  QByteArray toPacket() const;
  /// Nothing when `packet` is not 18 bytes, lacks the start byte or fails
  /// its CRC.
  static std::optional<SensorImage> fromPacket(const QByteArray& packet);

  bool operator==(const SensorImage&) const = default;
};

}  // namespace parlhora
