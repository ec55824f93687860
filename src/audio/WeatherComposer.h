#pragma once

#include <QDateTime>
#include <QList>

#include "audio/WeatherSpeech.h"
#include "weather/WeatherSource.h"

namespace parlhora {

class Clock;
class SourceController;
class SourceRegistry;
struct AnnouncementOptions;
struct UnitFactors;
struct WeatherSnapshot;

/// The weather half of an announcement: picks the chosen source if it is
/// ready, applies the error and age gates, and walks the weather items in
/// speaking order, each only when its box is ticked and its value lies in
/// its plausibility window. Readings are taken once, at begin(). Core
/// thread only; borrows everything.
class WeatherComposer final : public WeatherSpeech {
 public:
  static constexpr int kItemPauseMs = 100;
  static constexpr int kTendencyPauseMs = 50;
  // Age gates in days for OLD=1..3.
  static constexpr double kAgeGateDays[] = {0, 0.042, 0.084, 0.126};

  WeatherComposer(const SourceRegistry& sources, const WeatherSource& chosen, const UnitFactors& units,
                  const AnnouncementOptions& options, Clock& clock);

  void begin() override;
  std::optional<SpeechItem> nextItem() override;
  /// Runs the refresh that the spoken source put off, if any.
  void ended() override;

  /// MeteoSource of the last begin(): the source spoken, None for no weather.
  WeatherSource meteoSource() const { return meteoSource_; }

  /// The pieces of the weather part for `source` (no gates): for tests and
  /// for the dry run.
  QList<SpeechItem> compose(const SourceController& source) const;
  /// Wind-rose word for whole degrees 0..360, or empty.
  static QString roseWord(int degrees, bool sixteen);
  /// Days since 1899-12-30 of a local date-time.
  static double dayNumber(const QDateTime& local);

 private:
  bool spoken(const SourceController& source) const;
  void item(QList<SpeechItem>& out, int pauseMs, const QString& label, const QStringList& pieces) const;

  const SourceRegistry& sources_;
  const WeatherSource& chosen_;
  const UnitFactors& units_;
  const AnnouncementOptions& options_;
  Clock& clock_;
  WeatherSource meteoSource_ = WeatherSource::None;
  QList<SpeechItem> queue_;
};

}  // namespace parlhora
