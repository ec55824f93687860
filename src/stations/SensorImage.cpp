#include "stations/SensorImage.h"

#include "stations/StationProtocol.h"

namespace parlhora {
namespace {

void put16(QByteArray& out, std::uint16_t v) {
  out.append(static_cast<char>(v & 0xFF)).append(static_cast<char>(v >> 8));
}

std::uint16_t get16(const QByteArray& in, int at) {
  return static_cast<std::uint16_t>(static_cast<std::uint8_t>(in[at]) | static_cast<std::uint8_t>(in[at + 1])
                                                                            << 8);
}

std::uint8_t get8(const QByteArray& in, int at) { return static_cast<std::uint8_t>(in[at]); }

}  // namespace

QByteArray SensorImage::toPacket() const {
  QByteArray image;
  put16(image, static_cast<std::uint16_t>(insideTemp));
  put16(image, static_cast<std::uint16_t>(outsideTemp));
  image.append(static_cast<char>(windSpeed));
  put16(image, windDirection);
  put16(image, barometer);
  image.append(static_cast<char>(insideHumidity)).append(static_cast<char>(outsideHumidity));
  put16(image, rain);
  put16(image, 0);
  const std::uint16_t crc = station::crc16(image.constData(), image.size());
  return QByteArray(1, station::kStartOfBlock) + image + static_cast<char>(crc >> 8) +
         static_cast<char>(crc & 0xFF);
}

std::optional<SensorImage> SensorImage::fromPacket(const QByteArray& packet) {
  if (packet.size() != station::kPacketSize || packet[0] != station::kStartOfBlock) return std::nullopt;
  if (station::crc16(packet.constData() + 1, station::kImageSize + 2) != 0) return std::nullopt;
  SensorImage s;
  s.insideTemp = static_cast<std::int16_t>(get16(packet, 1));
  s.outsideTemp = static_cast<std::int16_t>(get16(packet, 3));
  s.windSpeed = get8(packet, 5);
  s.windDirection = get16(packet, 6);
  s.barometer = get16(packet, 8);
  s.insideHumidity = get8(packet, 10);
  s.outsideHumidity = get8(packet, 11);
  s.rain = get16(packet, 12);
  return s;
}

}  // namespace parlhora
