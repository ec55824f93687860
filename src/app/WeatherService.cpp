#include "app/WeatherService.h"

#include "app/LogList.h"

namespace parlhora {

WeatherService::WeatherService(PlatformSet& platform, AnnouncerSettings& settings, LogList& log,
                               std::function<bool()> announcementPlaying)
    : settings_(settings),
      context_{platform.clock, platform.notifier, units_, platform.programFolder, platform.weatherFolder,
               std::move(announcementPlaying), [&log](const QString& line) { log.AppendLogLine(line); }},
      platform_(platform),
      composer_(registry_, settings.source, units_, settings.announcement, platform.clock) {
  registerSources();
}

WeatherService::~WeatherService() = default;

void WeatherService::add(std::unique_ptr<SourceController> source) {
  source->setParent(nullptr);
  registry_.add(*source);
  owned_.push_back(std::move(source));
}

void WeatherService::load() {
  units_ = UnitFactors::from(settings_.units);
  emit unitsChanged();
  registry_.forEach([](SourceController& s) { s.applySettings(); });
  const WeatherSource stored = settings_.source;
  if (stored != WeatherSource::None) choose(stored);
}

void WeatherService::close() {
  registry_.forEach([](SourceController& s) { s.close(); });
}

void WeatherService::choose(WeatherSource source) {
  settings_.source = source;
  registry_.forEach([source](SourceController& s) {
    if (s.id() != source) s.stop();
  });
  SourceController* picked = registry_.get(source);
  if (!picked) {
    emit sourceCleared();
    return;
  }
  emit sourcePicked(source, picked->pick());
}

void WeatherService::unitClicked(UnitButton button) {
  UnitsSettings& u = settings_.units;
  switch (button) {
    case UnitButton::Tc: units_.RadioButtonTcClick(); u.celsius = true; break;
    case UnitButton::Tf: units_.RadioButtonTfClick(); u.celsius = false; break;
    case UnitButton::Pm: units_.RadioButtonPmClick(); u.hectopascal = true; break;
    case UnitButton::Pi: units_.RadioButtonPiClick(); u.hectopascal = false; break;
    case UnitButton::Vk: units_.RadioButtonVkClick(); u.kmh = true; break;
    case UnitButton::Vm: units_.RadioButtonVmClick(); u.kmh = false; break;
    case UnitButton::Rm: units_.RadioButtonRmClick(); u.millimetres = true; break;
    case UnitButton::Ri: units_.RadioButtonRiClick(); u.millimetres = false; break;
  }
  emit unitsChanged();
  registry_.forEach([](SourceController& s) { s.unitsChanged(); });
  // Only one source is chosen; changing a unit without one changes only
  // the factors.
  if (SourceController* active = registry_.get(settings_.source)) active->refreshNow();
}

bool WeatherService::hourlyLog(int hour, int minute) {
  bool written = false;
  registry_.forEach([&](SourceController& s) { written = s.hourlyLog(hour, minute) || written; });
  return written;
}

}  // namespace parlhora
