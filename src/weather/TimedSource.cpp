#include "weather/TimedSource.h"

#include <algorithm>

namespace parlhora {

TimedSource::TimedSource(WeatherSource id, SourceContext& context, const int& refreshMinutes, QObject* parent)
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

void TimedSource::refreshNow() {
  intervalMs_ = std::clamp(refreshMinutes_, 1, 60) * 60000;
  refresh();
}

SourceController::Show TimedSource::pick() {
  refresh();
  return Show::UnlessMinimised;
}

}  // namespace parlhora
