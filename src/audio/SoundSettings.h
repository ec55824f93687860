#pragma once

namespace parlhora {

/// The output device and the volume panel (settings keys in brackets).
struct SoundSettings {
  int device = -1;      // OSOUND=: -1 = system default, else a device index
  int volume = 5;       // TrackBarVolume position 0..10, 0 = loudest (VOLUME=)
  int balance = 0;      // -100..100 (BALANCE=)
  int maxVolume = 70;   // Gauge1 mark 0..100, shown and stored only (MAXVOLUME=)
};

}  // namespace parlhora
