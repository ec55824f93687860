#pragma once

#include <QDateTime>
#include <QStringList>

namespace parlhora {

/// The clock reading an announcement speaks, split as the second tick does.
struct SpokenTime {
  int weekday = 1;  // 1 = Sunday ... 7 = Saturday
  int hour = 0;     // 0..23
  int minute = 0;   // 0..59
  int day = 1;      // 1..31
  int month = 1;    // 1..12
  int year = 2000;

  static SpokenTime from(const QDateTime& local);
  bool operator==(const SpokenTime&) const = default;
};

/// Piece names for the time and date of an announcement. Pure; any thread.
/// A value outside its range gives no pieces.
class TimeSpeech {
 public:
  static QStringList weekday(int weekday);  // "son_sun" ... "son_sat"
  static QStringList day(int day);          // "son_1te" ... "son_31te"
  static QStringList month(int month);      // "son_jan" ... "son_dec"
  /// "son2000", "son" + (year - 2000) for 2001..2059; nothing otherwise.
  static QStringList year(int year);
  static bool yearSpoken(int year) { return year >= 2001 && year <= 2059; }
  /// "son" + hour, then "Son_hour".
  static QStringList hour(int hour);
  /// Nothing for minute 0; else "son" + minute, then "son_minute" unless
  /// `noMinuteWord` (`CheckBoxNoMinute`).
  static QStringList minute(int minute, bool noMinuteWord);
};

}  // namespace parlhora
