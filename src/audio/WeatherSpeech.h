#pragma once

#include <QString>
#include <optional>

namespace parlhora {

/// One spoken word of the weather part: a pause, then one piece.
struct SpeechItem {
  int pauseMs = 0;  // waited before the piece (the 100 ms item pause, 50 ms for the tendency)
  QString piece;    // lower-case piece name; empty = nothing to play, go on
};

/// The weather half of an announcement, between the time and the final
/// jingle. The sequencer calls begin() once, then nextItem() after every
/// finished piece until it returns nothing. The default speaks no weather.
/// Core thread only.
class WeatherSpeech {
 public:
  virtual ~WeatherSpeech() = default;

  /// Chooses the source and decides whether weather is spoken at all.
  virtual void begin() {}
  /// The next word to play, or nothing when the weather part is over.
  virtual std::optional<SpeechItem> nextItem() { return std::nullopt; }
  /// The announcement is over: runs a refresh the spoken source put off.
  virtual void ended() {}
};

}  // namespace parlhora
