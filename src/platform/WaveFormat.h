#pragma once

#include <cstdint>

namespace parlhora {

/// The PCM format of one piece, as its "fmt " chunk gives it.
struct WaveFormat {
  std::uint16_t formatTag = 1;  // 1 = PCM
  std::uint16_t channels = 1;
  std::uint32_t samplesPerSec = 11025;
  std::uint32_t avgBytesPerSec = 22050;
  std::uint16_t blockAlign = 2;
  std::uint16_t bitsPerSample = 16;
};

}  // namespace parlhora
