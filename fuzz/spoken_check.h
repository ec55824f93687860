// Whatever a snapshot writer made of its bytes: the composer, with every box
// ticked, asks only for built-in pieces, and each absent reading stays out.
#pragma once

#include <cstdlib>

#include "audio/AnnouncementOptions.h"
#include "audio/PieceLibrary.h"
#include "audio/WeatherComposer.h"
#include "platform/VirtualClock.h"
#include "weather/SourceRegistry.h"
#include "weather/UnitFactors.h"

namespace fuzzcheck {

class SnapshotSource final : public parlhora::SourceController {
 public:
  SnapshotSource(parlhora::WeatherSource id, const parlhora::WeatherSnapshot& s) : SourceController(id) {
    snapshot_ = s;
    companions_.FileName = QStringLiteral("fuzz");
    box_ = {true, true, true, true, true, true, true, true, true, true};
  }
  void stop() override {}
  bool timerActive() const override { return false; }
  void refresh() override {}
  void refreshNow() override {}
  Show pick() override { return Show::Always; }
  const parlhora::ReadingBoxes& boxes() const override { return box_; }

 private:
  parlhora::ReadingBoxes box_;
};

inline void speaksOnlyPieces(const parlhora::WeatherSnapshot& s, parlhora::WeatherSource id,
                             const parlhora::UnitFactors& units) {
  if (s.PreTend > 2 && s.PreTend != parlhora::WeatherSnapshot::kNoTendency) std::abort();
  if (s.HumiExt < -1 || s.HumiExt > 100) std::abort();
  SnapshotSource source(id, s);
  parlhora::SourceRegistry registry;
  registry.add(source);
  static parlhora::VirtualClock clock(QDateTime(QDate(2026, 3, 1), QTime(0, 30)));
  for (const bool sixteen : {false, true}) {
    parlhora::AnnouncementOptions options;
    options.windRose16 = sixteen;
    const parlhora::WeatherComposer composer(registry, id, units, options, clock);
    for (const parlhora::SpeechItem& item : composer.compose(source))
      if (!parlhora::PieceLibrary::has(item.piece)) std::abort();
  }
}

}  // namespace fuzzcheck
