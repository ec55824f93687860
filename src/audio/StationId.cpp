#include "audio/StationId.h"

#include "audio/CwIdCheck.h"
#include "audio/CwIdSettings.h"
#include "audio/MorseTone.h"
#include "audio/WaveEngine.h"
#include "platform/Clock.h"

namespace parlhora {

StationId::StationId(const CwIdSettings& settings, Clock& clock) : settings_(settings), clock_(clock) {}

bool StationId::due() const {
  return CwIdCheck::sendable(settings_) && interval_.due(clock_.monotonicMs(), settings_.minMinutes);
}

QString StationId::call() const { return QString::fromLatin1(settings_.call).toUpper(); }

void StationId::play(WaveEngine& engine) {
  MorseToneParams params;
  params.wpm = settings_.wpm;
  params.hz = settings_.hz;
  params.levelPercent = settings_.levelPercent;
  interval_.sent(clock_.monotonicMs());
  engine.PlayGenerated(WaveOrigin::Morse, call(), MorseTone::wav(call(), params));
}

}  // namespace parlhora
