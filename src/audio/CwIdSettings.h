#pragma once

#include <QByteArray>
#include <climits>

namespace parlhora {

/// The station identification in Morse at the end of an announcement
/// (settings keys in brackets). Values are kept as read, out of range or
/// not, so a save writes back what the user wrote; CwIdCheck says whether
/// they can be sent.
struct CwIdSettings {
  /// A numeric line whose value was not a number.
  static constexpr int kUnreadable = INT_MIN;
  static constexpr int kMinWpm = 10, kMaxWpm = 40, kDefaultWpm = 20;
  static constexpr int kMinHz = 400, kMaxHz = 1200, kDefaultHz = 800;
  static constexpr int kMaxLevel = 100, kDefaultLevel = 50;
  static constexpr int kMaxMinutes = 1440;

  bool enabled = false;              // "Rufzeichen in Morse" (CWID=)
  QByteArray call;                   // upper case (CWID_CALL=)
  int wpm = kDefaultWpm;             // CWID_WPM=
  int hz = kDefaultHz;               // CWID_HZ=
  int levelPercent = kDefaultLevel;  // CWID_LEVEL=, % of full scale
  int minMinutes = 0;                // CWID_MIN=: 0 = every announcement
};

}  // namespace parlhora
