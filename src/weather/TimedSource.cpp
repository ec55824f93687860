#include "weather/TimedSource.h"

#include <algorithm>

namespace parlhora {

TimedSource::TimedSource(WeatherSource id, SourceContext& context, int& refreshMinutes, QObject* parent)
    : SourceController(id, parent),
      context_(context),
      refreshMinutes_(refreshMinutes),
      timer_(context.clock, [this] { refresh(); }) {}

void TimedSource::refresh() {
  timer_.stop();
  doRefresh();
  restartTimer();
  emit readingsChanged();
}

void TimedSource::takePeriod() { intervalMs_ = std::clamp(refreshMinutes_, 1, 60) * 60000; }

void TimedSource::SpinEditRafraichirChange(int minutes) {
  refreshMinutes_ = std::clamp(minutes, 1, 60);
  takePeriod();
  if (timerActive()) restartTimer();
}

void TimedSource::refreshNow() {
  takePeriod();
  refresh();
}

SourceController::Show TimedSource::pick() {
  refresh();
  return Show::UnlessMinimised;
}

}  // namespace parlhora
