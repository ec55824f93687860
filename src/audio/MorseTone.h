#pragma once

#include <QByteArray>
#include <QString>

namespace parlhora {

/// How a Morse text sounds.
struct MorseToneParams {
  int wpm = 20;           // PARIS speed: one dot lasts 1200 / wpm ms
  int hz = 800;           // tone
  int levelPercent = 50;  // peak, in % of full scale
  int rate = 11025;       // samples per second, that of the built-in pieces
};

/// Renders Morse as a sine with raised-cosine key edges, so the keying
/// makes no clicks. Each edge takes kEdgeMs and is centred on its nominal
/// key-down or key-up instant, so a mark measured at half amplitude has
/// its exact PARIS length. Stateless; any thread.
class MorseTone {
 public:
  static constexpr double kEdgeMs = 5.0;

  /// 16-bit signed little-endian mono samples of `text`; empty when the
  /// text holds nothing Morse can send or a parameter is not positive.
  static QByteArray pcm(const QString& text, const MorseToneParams& params);
  /// The same as a complete RIFF/WAVE image, as a piece file would be.
  static QByteArray wav(const QString& text, const MorseToneParams& params);
  /// Length of the rendering in ms.
  static double durationMs(const QString& text, const MorseToneParams& params);
};

}  // namespace parlhora
