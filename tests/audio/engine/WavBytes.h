#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include "audio/pieces/WavImage.h"

namespace parlhora::test {

// A minimal RIFF/WAVE image with `dataBytes` of a ramp as samples.
inline QByteArray wavBytes(int dataBytes, int channels = 1, int rate = 11025, int bits = 16) {
  QByteArray samples(dataBytes, '\0');
  for (int i = 0; i < dataBytes; ++i) samples[i] = static_cast<char>(i * 7);
  return WavImage::riff(
      WavImage::chunk(
          "fmt ", WavImage::fmtFields(1, std::uint16_t(channels), std::uint32_t(rate), std::uint16_t(bits))) +
      WavImage::chunk("data", samples));
}

inline bool writeFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

}  // namespace parlhora::test
