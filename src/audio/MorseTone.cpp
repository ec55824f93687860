#include "audio/MorseTone.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

#include "audio/MorseCode.h"

namespace parlhora {

namespace {

double dotMs(const MorseToneParams& p) { return 1200.0 / p.wpm; }

bool usable(const MorseToneParams& p) {
  return p.wpm > 0 && p.hz > 0 && p.rate > 0 && p.levelPercent >= 0 && 2 * p.hz < p.rate;
}

// 0 before the edge, 1 after it, a half cosine across its kEdgeMs.
double edge(double msFromInstant) {
  const double half = MorseTone::kEdgeMs / 2;
  if (msFromInstant <= -half) return 0.0;
  if (msFromInstant >= half) return 1.0;
  return 0.5 - 0.5 * std::cos(std::numbers::pi * (msFromInstant + half) / MorseTone::kEdgeMs);
}

}  // namespace

double MorseTone::durationMs(const QString& text, const MorseToneParams& params) {
  if (!usable(params)) return 0.0;
  const int units = MorseCode::units(MorseCode::marks(text));
  return units > 0 ? units * dotMs(params) + kEdgeMs : 0.0;
}

QByteArray MorseTone::pcm(const QString& text, const MorseToneParams& params) {
  if (!usable(params)) return {};
  const QVector<MorseCode::Mark> marks = MorseCode::marks(text);
  if (marks.isEmpty()) return {};
  const double dot = dotMs(params);
  const double samplesPerMs = params.rate / 1000.0;
  // The first edge starts at sample 0: every instant is shifted by half an edge.
  const double lead = kEdgeMs / 2;
  const auto total = static_cast<qsizetype>(std::ceil(durationMs(text, params) * samplesPerMs));
  QByteArray out(total * 2, '\0');
  const double peak = std::min(params.levelPercent, 100) / 100.0 * 32767.0;
  const double step = 2 * std::numbers::pi * params.hz / params.rate;
  for (const MorseCode::Mark& m : marks) {
    const double down = lead + m.start * dot;
    const double up = lead + (m.start + m.length) * dot;
    const auto first =
        std::max<qsizetype>(0, static_cast<qsizetype>(std::floor((down - lead) * samplesPerMs)));
    const auto last =
        std::min<qsizetype>(total - 1, static_cast<qsizetype>(std::ceil((up + lead) * samplesPerMs)));
    for (qsizetype n = first; n <= last; ++n) {
      const double t = n / samplesPerMs;
      const double envelope = std::min(edge(t - down), edge(up - t));
      // One phase for the whole text, so the tone is the same sine throughout.
      const auto s = static_cast<std::int16_t>(std::lround(peak * envelope * std::sin(step * n)));
      qToLittleEndian<std::int16_t>(s, out.data() + 2 * n);
    }
  }
  return out;
}

QByteArray MorseTone::wav(const QString& text, const MorseToneParams& params) {
  const QByteArray samples = pcm(text, params);
  if (samples.isEmpty()) return {};
  QByteArray image(44, '\0');
  char* p = image.data();
  const auto put32 = [p](int at, std::uint32_t v) { qToLittleEndian<std::uint32_t>(v, p + at); };
  const auto put16 = [p](int at, std::uint16_t v) { qToLittleEndian<std::uint16_t>(v, p + at); };
  std::memcpy(p, "RIFF", 4);
  put32(4, static_cast<std::uint32_t>(36 + samples.size()));
  std::memcpy(p + 8, "WAVEfmt ", 8);
  put32(16, 16);
  put16(20, 1);
  put16(22, 1);
  put32(24, static_cast<std::uint32_t>(params.rate));
  put32(28, static_cast<std::uint32_t>(params.rate * 2));
  put16(32, 2);
  put16(34, 16);
  std::memcpy(p + 36, "data", 4);
  put32(40, static_cast<std::uint32_t>(samples.size()));
  return image + samples;
}

}  // namespace parlhora
