#include "app/WeatherService.h"
#include "internet/AprsSource.h"
#include "internet/MetarSource.h"
#include "stations/MonitorSource.h"
#include "stations/Pro2Controller.h"
#include "stations/W23Controller.h"
#include "stations/W28Controller.h"
#include "stations/net/NetSource.h"

namespace parlhora {

MonitorSource::Wiring WeatherService::monitorWiring() {
  MonitorSource::Wiring w;
  w.portList = [this] { return clockView_.portList ? clockView_.portList() : QStringList(); };
  w.mainPortName = [this] { return clockView_.mainPortName ? clockView_.mainPortName() : QString(); };
  w.chosen = [this] { return settings_.source == WeatherSource::MON; };
  w.timeText = [this] { return clockView_.timeText ? clockView_.timeText() : QString(); };
  return w;
}

// One line per source.
void WeatherService::registerSources() {
  auto& s = settings_;
  add(std::make_unique<MonitorSource>(context_, s.monitor, platform_.stationPort, monitorWiring()));
  add(std::make_unique<W23Controller>(context_, s.w23));
  add(std::make_unique<W28Controller>(context_, s.w28));
  add(std::make_unique<AprsSource>(context_, s.aprs, nullptr, &network_));
  add(std::make_unique<Pro2Controller>(context_, s.pro2));
  add(std::make_unique<MetarSource>(context_, s.metar, nullptr, &network_));
  add(std::make_unique<NetSource>(context_, s.net, platform_.uploadServer));
}

}  // namespace parlhora
