// The refresh's station read: its calls on the worker, their answers on the core thread.
#include "stations/MonitorSource.h"

namespace parlhora {

void MonitorSource::doRefresh() {
  reading_ = true;
  readFailed_ = false;
  countdownStep_ = 5;
  const unsigned generation = generation_;
  captions_.set(QStringLiteral("LabelVersion"),
                QStringLiteral("DLL-Version: ") + QString::number(link_.dllVersion(), 'f', 3));
  countdown(6);
  worker_.start([this, generation] { readStation(generation); });
}

template <class T>
MonitorSource::Step MonitorSource::step(const StationAnswer<T>& answer,
                                        bool (MonitorSource::*read)(const StationAnswer<T>&)) {
  const QString error = link_.lastError();
  return {[this, answer, error, read] {
            linkError_ = error;
            return (this->*read)(answer);
          },
          answer.answered};
}

// On the worker: the calls of one refresh, each answer handed to the core
// as it comes, up to the first the core takes for a fault.
void MonitorSource::readStation(unsigned generation) {
  const std::function<Step()> calls[] = {
      [this] {
        const auto inside = link_.insideTemp();
        Step s = step(inside, &MonitorSource::readInsideTemp);
        s.goOn = s.goOn && inside.value && insidePlausible(*inside.value);
        return s;
      },
      [this] { return step(link_.outsideTemp(), &MonitorSource::readOutsideTemp); },
      [this] { return step(link_.barometer(), &MonitorSource::readBarometer); },
      [this] { return step(link_.barometerTrend(), &MonitorSource::readTrend); },
      [this] { return step(link_.windSpeed(), &MonitorSource::readWind); },
      [this] { return step(link_.windDirection(), &MonitorSource::readDirection); }};
  for (const auto& call : calls) {
    // Port changed or closed meanwhile: the rest of this read is void.
    if (worker_.stopping() || generation != generation_) break;
    const Step s = call();
    worker_.post([this, generation, apply = s.apply] { applyAnswer(generation, apply); });
    if (!s.goOn) break;
  }
  worker_.post([this, generation] { finishRead(generation); });
}

void MonitorSource::applyAnswer(unsigned generation, const Apply& apply) {
  if (generation != generation_ || readFailed_) return;
  if (!apply()) {
    readFailed_ = true;
    stationFault();
    return;
  }
  showCaptions();
  if (countdownStep_ > 0) countdown(countdownStep_--);
}

void MonitorSource::finishRead(unsigned generation) {
  if (generation != generation_) return;
  if (!readFailed_) {
    const QString time = wiring_.timeText ? wiring_.timeText() : QString();
    QString done = QStringLiteral("Weather Monitor-Lesen abgeschlossen");
    if (!time.isEmpty()) done += QStringLiteral(" (") + time + QStringLiteral(" )");
    setStatus(done);
    takePeriod();
    restartTimer();
  }
  reading_ = false;
  emit readingsChanged();
  if (refreshAgain_) {
    refreshAgain_ = false;
    again_.start(0, false);
  }
}

}  // namespace parlhora
