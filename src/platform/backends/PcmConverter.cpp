#include "platform/backends/PcmConverter.h"

#include <algorithm>

namespace parlhora {

namespace {

int bytesPerSample(const WaveFormat& format) { return format.blockAlign / format.channels; }

// The top 16 bits of one little-endian sample; 8-bit samples are unsigned.
std::int16_t sample16(const unsigned char* p, int bytes) {
  if (bytes == 1) return static_cast<std::int16_t>((p[0] - 128) * 256);
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(p[bytes - 2] | (p[bytes - 1] << 8)));
}

std::int16_t scaled(std::int16_t sample, std::uint32_t level) {
  return static_cast<std::int16_t>(static_cast<std::int32_t>(sample) * static_cast<std::int32_t>(level) /
                                   65535);
}

}  // namespace

bool PcmConverter::convertible(const WaveFormat& format) {
  if (format.channels != 1 && format.channels != 2) return false;
  if (format.blockAlign % format.channels != 0) return false;
  const int bytes = bytesPerSample(format);
  // A rate of 1 Hz passes the reader's checks but would make one block
  // last hours (or a rendered file gigabytes); no sound card plays it anyway.
  return bytes >= 1 && bytes <= 4 && format.samplesPerSec >= kMinRate && format.samplesPerSec <= kMaxRate;
}

void PcmConverter::toStereo16(const char* data, int length, const WaveFormat& format, std::uint32_t volume,
                              std::vector<std::int16_t>& out) {
  if (!convertible(format) || length <= 0) return;
  const int bytes = bytesPerSample(format);
  const int frames = length / format.blockAlign;
  const std::uint32_t left = volume & 0xFFFFu;
  const std::uint32_t right = volume >> 16;
  const auto* p = reinterpret_cast<const unsigned char*>(data);
  out.reserve(out.size() + static_cast<std::size_t>(frames) * 2);
  for (int i = 0; i < frames; ++i, p += format.blockAlign) {
    const std::int16_t l = sample16(p, bytes);
    const std::int16_t r = format.channels == 2 ? sample16(p + bytes, bytes) : l;
    out.push_back(scaled(l, left));
    out.push_back(scaled(r, right));
  }
}

void PcmConverter::toMono16(const char* data, int length, const WaveFormat& format, std::uint32_t rate,
                            std::vector<std::int16_t>& out) {
  if (!convertible(format) || length <= 0 || rate == 0) return;
  const int bytes = bytesPerSample(format);
  const int frames = length / format.blockAlign;
  const auto* p = reinterpret_cast<const unsigned char*>(data);
  std::vector<std::int16_t> mono(static_cast<std::size_t>(frames));
  for (int i = 0; i < frames; ++i, p += format.blockAlign) {
    int value = sample16(p, bytes);
    if (format.channels == 2) value = (value + sample16(p + bytes, bytes)) / 2;
    mono[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(value);
  }
  if (format.samplesPerSec == rate) {
    out.insert(out.end(), mono.begin(), mono.end());
    return;
  }
  if (mono.empty()) return;
  const std::uint64_t outFrames = static_cast<std::uint64_t>(frames) * rate / format.samplesPerSec;
  const double step = static_cast<double>(format.samplesPerSec) / rate;
  out.reserve(out.size() + outFrames);
  for (std::uint64_t i = 0; i < outFrames; ++i) {
    const double pos = static_cast<double>(i) * step;
    const auto index = static_cast<std::size_t>(pos);
    const double frac = pos - static_cast<double>(index);
    const std::int16_t a = mono[std::min(index, mono.size() - 1)];
    const std::int16_t b = mono[std::min(index + 1, mono.size() - 1)];
    out.push_back(static_cast<std::int16_t>(a + (b - a) * frac));
  }
}

}  // namespace parlhora
