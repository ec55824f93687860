#pragma once

#include <QObject>
#include <QStringList>
#include <memory>
#include <vector>

#include "app/AnnouncerSettings.h"
#include "platform/PlatformSet.h"
#include "audio/WeatherComposer.h"
#include "internet/NetworkSession.h"
#include "stations/MonitorSource.h"
#include "weather/SourceContext.h"
#include "weather/SourceController.h"
#include "weather/SourceRegistry.h"
#include "weather/UnitFactors.h"

namespace parlhora {

class LogList;

/// The weather: the user's units, one controller per source, the source
/// chooser and the composer that speaks the chosen source's readings. Core
/// thread only; borrows the platform set, settings and log.
class WeatherService : public QObject {
  Q_OBJECT

 public:
  /// The eight buttons of the units window.
  enum class UnitButton { Tc, Tf, Pm, Pi, Vk, Vm, Rm, Ri };

  WeatherService(PlatformSet& platform, AnnouncerSettings& settings, LogList& log,
                 std::function<bool()> announcementPlaying);
  ~WeatherService() override;

  /// The settings were read: the stored units, each source's file, port or
  /// address, then the stored choice as if its button were clicked.
  void load();
  /// Program exit: every source stops and lets go of its files and ports.
  void close();

  /// A click on the chooser's button for `source` (None = "Kein Wetter-Daten").
  void choose(WeatherSource source);
  WeatherSource chosen() const { return settings_.source; }
  /// A click in the units window: the new unit, then the chosen source
  /// refreshed at once so its window and snapshot show it.
  void unitClicked(UnitButton button);

  SourceController* source(WeatherSource id) const { return registry_.get(id); }
  const SourceRegistry& sources() const { return registry_; }
  const UnitFactors& units() const { return units_; }
  WeatherSpeech& speech() { return composer_; }
  NetworkSession& network() { return network_; }
  WeatherComposer& composer() { return composer_; }
  /// The scheduler's hourly weather line (Weather Monitor II only).
  bool hourlyLog(int hour, int minute);

  /// What a source may see of the speaking clock: the main port (the
  /// station may not use it) and the time box. Given once the announcer exists.
  struct ClockView {
    std::function<QStringList()> portList;
    std::function<QString()> mainPortName;
    std::function<QString()> timeText;
  };
  void setClockView(ClockView view) { clockView_ = std::move(view); }

 signals:
  /// The chooser picked `source`; its window shows as `show` says.
  void sourcePicked(WeatherSource source, SourceController::Show show);
  /// Nothing chosen any more: no source window to show.
  void sourceCleared();
  void unitsChanged();

 private:
  void registerSources();
  MonitorSource::Wiring monitorWiring();
  void add(std::unique_ptr<SourceController> source);

  AnnouncerSettings& settings_;
  UnitFactors units_;
  SourceContext context_;
  PlatformSet& platform_;
  ClockView clockView_;
  // One network session for every download, so a log-in carries over.
  NetworkSession network_;
  std::vector<std::unique_ptr<SourceController>> owned_;
  SourceRegistry registry_;
  WeatherComposer composer_;
};

}  // namespace parlhora
