#pragma once

namespace parlhora {

/// When the clock speaks (settings keys in brackets).
struct ScheduleSettings {
  int periodPosition = 0;  // UpDownPeriode 0..6 -> 0,5,10,15,20,30,60 min (PERIOD=)
  int startHour = 0;       // D00..D24 (START_RANGE=)
  int endHour = 24;        // F00..F24 (END_RANGE=)
};

}  // namespace parlhora
