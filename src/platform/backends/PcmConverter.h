#pragma once

#include <cstdint>
#include <vector>

#include "platform/WaveFormat.h"

namespace parlhora {

/// Turns PCM blocks of any accepted format (8, 16, 24 or 32 bits, mono or
/// stereo) into 16-bit samples for the output backends. Pure functions.
class PcmConverter {
 public:
  /// Sample rates a piece may have, in samples per second.
  static constexpr std::uint32_t kMinRate = 1000;
  static constexpr std::uint32_t kMaxRate = 384000;

  /// True if the blocks of `format` can be converted.
  static bool convertible(const WaveFormat& format);
  /// Appends the frames of `data` as interleaved 16-bit stereo, mono on both
  /// channels, scaled by `volume` (low word left, high word right, 0..65535).
  /// A trailing partial frame is dropped.
  static void toStereo16(const char* data, int length, const WaveFormat& format, std::uint32_t volume,
                         std::vector<std::int16_t>& out);
  /// Appends the frames of `data` as 16-bit mono (stereo mixed down),
  /// resampled linearly from the format's rate to `rate`.
  static void toMono16(const char* data, int length, const WaveFormat& format, std::uint32_t rate,
                       std::vector<std::int16_t>& out);
};

}  // namespace parlhora
