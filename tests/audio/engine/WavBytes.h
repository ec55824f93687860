#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>

namespace parlhora::test {

// A minimal RIFF/WAVE image with `dataBytes` of a ramp as samples.
inline QByteArray wavBytes(int dataBytes, int channels = 1, int rate = 11025, int bits = 16) {
  const int align = channels * bits / 8;
  QByteArray out;
  auto u32 = [&out](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
  };
  auto u16 = [&out](std::uint16_t v) {
    out.append(static_cast<char>(v & 0xFF));
    out.append(static_cast<char>(v >> 8));
  };
  out.append("RIFF");
  u32(36 + dataBytes);
  out.append("WAVEfmt ");
  u32(16);
  u16(1);
  u16(static_cast<std::uint16_t>(channels));
  u32(rate);
  u32(rate * align);
  u16(static_cast<std::uint16_t>(align));
  u16(static_cast<std::uint16_t>(bits));
  out.append("data");
  u32(dataBytes);
  for (int i = 0; i < dataBytes; ++i) out.append(static_cast<char>(i * 7));
  return out;
}

inline bool writeFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

}  // namespace parlhora::test
