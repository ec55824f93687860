#pragma once

#include "platform/ClockTimer.h"
#include "weather/SourceContext.h"
#include "weather/SourceController.h"

namespace parlhora {

/// A source refreshed by its own TimerMeteo: disabled at start with 60 s,
/// stopped at the start of every refresh and enabled again at its end, so
/// a slow refresh never queues a second one. Subclasses give doRefresh().
class TimedSource : public SourceController {
  Q_OBJECT

 public:
  static constexpr int kDefaultIntervalMs = 60000;

  /// `refreshMinutes` is the window's SpinEditRafraichir, read at each
  /// "Aktualisieren".
  TimedSource(WeatherSource id, SourceContext& context, int& refreshMinutes, QObject* parent = nullptr);

  void stop() override { timer_.stop(); }
  bool timerActive() const override { return timer_.isActive(); }
  void refresh() override;
  void refreshNow() override;
  /// File sources: one refresh, then show at the weather-window place.
  Show pick() override;

  int intervalMs() const { return intervalMs_; }
  /// SpinEditRafraichir changed: the stored period (1..60 minutes) and a
  /// running timer take it at once.
  void SpinEditRafraichirChange(int minutes);

 protected:
  /// Reads, decodes and stores; the timer is off meanwhile.
  virtual void doRefresh() = 0;
  /// Re-enables TimerMeteo with the current interval.
  void restartTimer() { timer_.start(intervalMs_); }
  /// The interval from the window's period (settings load, "Aktualisieren").
  void takePeriod();

  SourceContext& context_;
  int& refreshMinutes_;
  int intervalMs_ = kDefaultIntervalMs;

 private:
  ClockTimer timer_;
};

}  // namespace parlhora
