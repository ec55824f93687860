#pragma once

#include "app/MainWindowSettings.h"
#include "app/ScheduleSettings.h"
#include "audio/AnnouncementOptions.h"
#include "audio/CwIdSettings.h"
#include "audio/SoundSettings.h"
#include "serial/LineOptions.h"
#include "weather/HistoryFileSettings.h"
#include "weather/MonitorSettings.h"
#include "weather/NetStationSettings.h"
#include "weather/UnitsSettings.h"
#include "weather/WeatherSource.h"
#include "weather/WebSourceSettings.h"

namespace parlhora {

/// Everything the settings file holds, one model per window. A default-built
/// value is the state with no settings file. Owned by the core; windows are
/// views of it.
struct AnnouncerSettings {
  AnnouncementOptions announcement;
  SoundSettings sound;
  LineOptions lines;
  ScheduleSettings schedule;
  UnitsSettings units;
  MainWindowSettings mainWindow;
  MonitorSettings monitor;
  HistoryFileSettings w23;
  HistoryFileSettings w28;
  HistoryFileSettings pro2;
  WebSourceSettings aprs = WebSourceSettings::aprsDefaults();
  WebSourceSettings metar = WebSourceSettings::metarDefaults();
  WeatherSource source = WeatherSource::None;  // METEO=
  CwIdSettings cwid;
  NetStationSettings net;
};

}  // namespace parlhora
