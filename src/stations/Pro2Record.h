#pragma once

#include <QList>
#include <array>
#include <cstdint>
#include <optional>

namespace parlhora {

/// The fields read of one 88-byte record of a Vantage Pro2 month file, raw
/// (tenths of °F, thousandths of inHg, tenths of %, tenths of mph).
struct Pro2Record {
  static constexpr int kSize = 88;
  static constexpr int kHeaderSize = 212;
  static constexpr std::uint8_t kArchive = 1;

  std::uint8_t type = 0;
  std::uint8_t interval = 0;  // archive interval, minutes
  std::int16_t minutes = 0;   // since midnight
  std::int16_t tempOut = 0;
  std::int16_t tempIn = 0;
  std::int16_t barometer = 0;
  std::int16_t humOut = 0;
  std::int16_t humIn = 0;
  /// Bytes 20-21 as one word: collector type in the top four bits, clicks
  /// in the low twelve, so that more than 255 clicks stay whole.
  std::uint16_t rainWord = 0;
  std::int16_t windAverage = 0;
  std::int16_t windHigh = 0;
  std::uint8_t directionCode = 0;  // 0..15 in steps of 22.5°; larger = none

  static Pro2Record decode(const char* bytes);
  /// Millimetres per click of a rain word's collector; nullopt for a code
  /// the station software does not write.
  static std::optional<double> mmPerClick(std::uint16_t rainWord);
  static int clicks(std::uint16_t rainWord) { return rainWord & 0x0FFF; }
};

/// What one refresh needs of a month file.
struct Pro2Window {
  std::array<std::int16_t, 32> dayRecords{};  // [d] = records of day d, 1..31
  std::int64_t total = 0;                     // records the header announces
  Pro2Record newest;                          // the newest archive record
  std::optional<std::int16_t> hourBackBarometer;
  QList<std::uint16_t> rainWords;  // the day's archive records, newest first
};

}  // namespace parlhora
