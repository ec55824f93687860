#pragma once

#include <QByteArray>
#include <QString>

#include "audio/WaveOrigin.h"
#include "platform/WaveFormat.h"

class QIODevice;

namespace parlhora {

struct WavReadResult {
  QString error;  // empty on success, else the status text for `EditData`
  WaveFormat format;
  bool ok() const { return error.isEmpty(); }
};

/// Checks a RIFF/WAVE image and loads its samples. Stateless; any thread.
class WavReader {
 public:
  /// Steps 4-8: reads a RIFF/WAVE image from `in` (open, positioned at its start), checks it and
  /// resizes `samples` to the data chunk's size and fills it. On failure `error` holds the exact
  /// text for that origin ("Err: Res none PCM" / "Err: none PCM file", ...) and `samples` is
  /// left empty (its capacity kept). Never allocates more than `in` still holds; does not close `in`.
  static WavReadResult read(QIODevice& in, WaveOrigin origin, QByteArray& samples);

  /// The texts of the steps the caller does itself.
  static QString emptyNameText(WaveOrigin);   // "Err: Res Wave" / "Err: Wave file"
  static QString openFailedText(WaveOrigin);  // "Fehler: Res Wave" / "Err: Wave file name"

  /// Size of the parsing scratch area; longer format or skipped chunks are passed over by seeking.
  static constexpr int kScratchSize = 2048;
};

}  // namespace parlhora
