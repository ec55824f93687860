#pragma once

#include <QByteArray>
#include <cstdint>

namespace parlhora::station {

/// The serial protocol of the Weather Monitor II's link box, as the maker
/// describes it publicly: ASCII commands ending in CR with binary
/// arguments, an ACK before every answer, sensor images sent after LOOP,
/// memory read nibble-wise with WRD. Multi-byte values are little-endian
/// except the CRC, which goes most significant byte first.

constexpr int kBaud = 2400;
constexpr char kAck = 0x06;
constexpr char kNak = 0x21;
constexpr char kStartOfBlock = 0x01;
constexpr char kCr = 0x0D;

/// Start byte, 15 bytes of sensor image, two CRC bytes.
constexpr int kImageSize = 15;
constexpr int kPacketSize = 1 + kImageSize + 2;

/// Markers of a sensor that is missing or not read yet.
constexpr std::int16_t kNoTemperature = 0x7FFF;
constexpr std::uint16_t kNoBarometer = 0x7FFF;
constexpr std::uint16_t kNoDirection = 0x7FFF;
constexpr std::uint8_t kNoWindSpeed = 0xFF;
constexpr std::uint8_t kNoHumidity = 0x80;

/// Station memory: bank 0 and 1 are asked for with these codes.
enum class Bank : std::uint8_t { Zero = 2, One = 4 };

struct MemoryCell {
  Bank bank;
  std::uint8_t address;
  std::uint8_t nibbles;
};

/// Calibration numbers the console adds to (temperatures, tenths of °F)
/// or takes from (barometer, thousandths of inHg) the raw readings.
constexpr MemoryCell kInsideTempCal{Bank::One, 0x52, 4};
constexpr MemoryCell kOutsideTempCal{Bank::One, 0x78, 4};
constexpr MemoryCell kBarometerCal{Bank::One, 0x2C, 4};
/// The console's pressure tendency arrow: 0 steady, 1 rising, 2 falling.
constexpr MemoryCell kBarometerTrend{Bank::One, 0x3E, 2};

/// CRC-16 CCITT (polynomial 0x1021, start 0) as the link box computes it;
/// over an image followed by its CRC it gives 0.
inline std::uint16_t crc16(const char* data, qsizetype size) {
  std::uint16_t crc = 0;
  for (qsizetype i = 0; i < size; ++i) {
    crc ^= static_cast<std::uint16_t>(static_cast<std::uint8_t>(data[i]) << 8);
    for (int bit = 0; bit < 8; ++bit)
      crc = (crc & 0x8000) ? static_cast<std::uint16_t>((crc << 1) ^ 0x1021) : crc << 1;
  }
  return crc;
}

/// "LOOP" with the packet count as 65536 - n, then CR.
inline QByteArray loopCommand(int packets) {
  const auto n = static_cast<std::uint16_t>(65536 - packets);
  QByteArray c("LOOP");
  c.append(static_cast<char>(n & 0xFF)).append(static_cast<char>(n >> 8)).append(kCr);
  return c;
}

/// "WRD", nibble count and bank in one byte, the address, CR.
inline QByteArray readCommand(const MemoryCell& cell) {
  QByteArray c("WRD");
  c.append(static_cast<char>((cell.nibbles << 4) | static_cast<std::uint8_t>(cell.bank)))
      .append(static_cast<char>(cell.address))
      .append(kCr);
  return c;
}

}  // namespace parlhora::station
