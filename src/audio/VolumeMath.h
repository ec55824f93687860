#pragma once

#include <cstdint>

namespace parlhora {

/// The volume slider, balance and gauge arithmetic. Pure functions.
/// Slider positions run 0..10 with 0 the loudest; balance runs -100..100
/// (positive turns the right channel down); a device volume packs the left
/// level (0..65535) in the low word and the right one in the high word.
class VolumeMath {
 public:
  struct Slider {
    int position = 5;
    int balance = 0;
  };

  /// Rounds halves to the even neighbour, as the slider arithmetic always has.
  static std::int64_t roundHalfEven(double value);

  /// Level of one slider position: round((10 - position) * 65535 / 10).
  static int level(int position);
  /// Device volume for a slider position and balance.
  static std::uint32_t deviceVolume(int position, int balance);
  /// Slider and balance for a device volume; `balance` is kept when both
  /// channels are silent. The position is the nearest one, so a position
  /// set by the slider reads back as itself.
  static Slider readBack(std::uint32_t volume, int balance);

  /// The MAXVOLUME= gauge mark after a click: +10 with the left button,
  /// -10 with the right one, kept within 0..100.
  static int gaugeClick(int mark, bool leftButton);
};

}  // namespace parlhora
