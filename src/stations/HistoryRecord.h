#pragma once

#include <QList>
#include <cstdint>
#include <optional>

namespace parlhora {

/// One record of a La Crosse history file, in the file's own units (days
/// since 1899-12-30, hPa, m/s, mm, °C, %). The WS-23xx file has one pressure
/// and a running rain counter; the WS-28xx file two pressures, a gust and the
/// rain of the record's interval.
struct HistoryRecord {
  static constexpr int kW23Size = 36;
  static constexpr int kW28Size = 56;

  double time = 0;
  double pressureAbs = 0;
  double pressureRel = 0;
  double wind = 0;
  std::int32_t direction = 0;  // low 5 bits: code in steps of 22.5°
  double gust = 0;
  double rain = 0;
  double tempIn = 0;
  double tempOut = 0;
  double humIn = 0;
  double humOut = 0;

  static HistoryRecord fromW23(const char* bytes);
  static HistoryRecord fromW28(const char* bytes);

  /// Every value read is a finite number and the time a plausible date.
  bool sound() const;
  double pressure(bool absolute) const { return absolute ? pressureAbs : pressureRel; }

  /// trunc(newest - span / interval): the record about `span` days before
  /// the newest when records are `interval` days apart; nullopt when that
  /// lies before record 1.
  static std::optional<std::int64_t> recordBack(std::int64_t newest, double interval, double span);
};

/// The records of a history file that one refresh needs.
struct HistoryWindow {
  std::int64_t newest = 0;                // index of the newest record (b)
  HistoryRecord last;                     // record b
  double recordInterval = 0;              // days between the two newest records; 0 below three
  std::optional<HistoryRecord> hourBack;  // about an hour older (tendency)
  std::optional<HistoryRecord> dayBack;   // WS-23xx: about a day older (rain counter)
  QList<HistoryRecord> gustRecords;       // WS-23xx: the nine before b, record 0 excluded
  double rainSum = 0;                     // WS-28xx: rain of the last day
};

}  // namespace parlhora
