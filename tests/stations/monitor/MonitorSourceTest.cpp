#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "FakeStationPort.h"
#include "MonitorRig.h"
#include "platform/VirtualClock.h"
#include "weather/ValidityLimits.h"

namespace parlhora {
namespace {

using Show = SourceController::Show;

sim::StationState sample() {
  sim::StationState s;
  s.image = SensorImage{680, 320, 10, 270, 29530, 40, 60, 0};
  s.calInside = -15;    // 68.0 °F shown as 66.5 °F
  s.calBarometer = 30;  // 29.530 inHg shown as 29.500 inHg
  s.trend = 2;
  return s;
}

class MonitorSourceTest : public ::testing::Test {
 protected:
  void SetUp() override { port.station.setState(sample()); }
  /// Picks the station on ttyUSB0 as the user would.
  void openByHand() {
    rig.source->ButtonPortClick();
    rig.source->ListBoxPortClick(2);
  }
  void setWind(int mph) {
    auto s = port.station.state();
    s.image.windSpeed = static_cast<std::uint8_t>(mph);
    port.station.setState(s);
  }

  VirtualClock clock{QDateTime(QDate(2026, 3, 5), QTime(14, 0))};
  FakeStationPort port;
  MonitorRig rig{clock, port};
};

TEST_F(MonitorSourceTest, ReadsTheStationInTheUsersUnits) {
  struct Expected {
    bool imperial;
    double tempInt, tempExt, pres, wind;
    const char *tint, *text, *patm, *vent, *rafa;
  };
  const Expected cases[] = {
      {false, 19.1667, 0, 998.984, 16.0934, "Innen-T (°C)= 19.2", "Aussen-T (°C) = 0.0",
       "Luftdruck (hPa) = 999.0", "Wind (km/h) = 16", "Böen (km/h) = 16"},
      {true, 66.5, 32, 29.5, 10, "Innen-T (°F)= 66.5", "Aussen-T (°F) = 32.0", "Luftdruck (inHg) = 29.50",
       "Wind (mph) = 10", "Böen (mph) = 10"},
  };
  for (const auto& c : cases) {
    FakeStationPort p;
    p.station.setState(sample());
    MonitorRig r(clock, p);
    if (c.imperial) r.useImperialUnits();
    r.settings.port = "ttyUSB0";
    EXPECT_EQ(r.source->pick(), Show::InPlaceUnlessMinimised);
    EXPECT_EQ(p.path(), "/dev/ttyUSB0");
    EXPECT_EQ(p.baud(), 2400);
    const WeatherSnapshot& s = r.source->snapshot();
    EXPECT_NEAR(s.TempInt, c.tempInt, 1e-3);
    EXPECT_NEAR(s.TempExt, c.tempExt, 1e-3);
    EXPECT_NEAR(s.PresAtm, c.pres, 1e-3);
    EXPECT_NEAR(s.VitVent, c.wind, 1e-3);
    EXPECT_NEAR(s.VitRafa, c.wind, 1e-3);
    EXPECT_EQ(s.PreTend, 2);
    EXPECT_EQ(s.DirVent, 270);
    EXPECT_EQ(r.caption("CheckBoxTint"), QString::fromUtf8(c.tint));
    EXPECT_EQ(r.caption("CheckBoxText"), QString::fromUtf8(c.text));
    EXPECT_EQ(r.caption("CheckBoxPatm"), QString::fromUtf8(c.patm));
    EXPECT_EQ(r.caption("CheckBoxVent"), QString::fromUtf8(c.vent));
    EXPECT_EQ(r.caption("CheckBoxRafa"), QString::fromUtf8(c.rafa));
    EXPECT_EQ(r.caption("CheckBoxtend"), "Trend : fallend");
    EXPECT_EQ(r.caption("CheckBoxDire"), QString::fromUtf8("Richtung (°) = 270"));
    EXPECT_EQ(r.caption("LabelVersion"), "DLL-Version: 1.000");
    EXPECT_EQ(r.caption("ButtonPort"), "COM=ttyUSB0");
    EXPECT_TRUE(r.source->ready());
    EXPECT_FALSE(r.source->hasDataTime());
    EXPECT_EQ(r.statuses, QStringList({"", "Weather Monitor lesen ... (6)", "Weather Monitor lesen (5)",
                                       "Reading Weather Monitor (4)", "Weather Monitor lesen(3)",
                                       "Weather Monitor lesen (2)", "Weather Monitor lesen (1)",
                                       "Weather Monitor-Lesen abgeschlossen ( 14:00:00 )"}));
    EXPECT_TRUE(r.source->timerActive());
    EXPECT_EQ(r.source->intervalMs(), 60000);
  }
}

// A reading the station does not give is absent, even right after a refresh
// that had it: never the last value, never north or steady.
TEST_F(MonitorSourceTest, MissingSensorsAreAbsentNotTheLastReading) {
  const struct {
    const char* name;
    std::function<void(sim::StationState&)> lose;
    std::function<void(const WeatherSnapshot&)> check;
    const char* control;
    const char* caption;
  } cases[] = {
      {"outside", [](auto& s) { s.image.outsideTemp = station::kNoTemperature; },
       [](const WeatherSnapshot& w) { EXPECT_EQ(w.TempExt, -200); }, "CheckBoxText", "Aussen-T (°C) = ---"},
      {"barometer", [](auto& s) { s.image.barometer = station::kNoBarometer; },
       [](const WeatherSnapshot& w) { EXPECT_EQ(w.PresAtm, 900); }, "CheckBoxPatm", "Luftdruck (hPa) = ---"},
      {"trend", [](auto& s) { s.trend = 7; }, [](const WeatherSnapshot& w) { EXPECT_EQ(w.PreTend, 255); },
       "CheckBoxtend", "Trend : ---"},
      {"wind", [](auto& s) { s.image.windSpeed = station::kNoWindSpeed; },
       [](const WeatherSnapshot& w) { EXPECT_EQ(w.VitVent, -1); }, "CheckBoxVent", "Wind (km/h) = ---"},
      {"vane", [](auto& s) { s.image.windDirection = station::kNoDirection; },
       [](const WeatherSnapshot& w) { EXPECT_EQ(w.DirVent, -1); }, "CheckBoxDire", "Richtung (°) = ---"},
  };
  for (const auto& c : cases) {
    FakeStationPort p;
    p.station.setState(sample());
    MonitorRig r(clock, p);
    r.settings.port = "ttyUSB0";
    r.source->pick();
    auto s = sample();
    c.lose(s);
    p.station.setState(s);
    r.source->refreshNow();
    EXPECT_TRUE(r.source->ready()) << c.name;
    c.check(r.source->snapshot());
    EXPECT_EQ(r.caption(c.control), QString::fromUtf8(c.caption)) << c.name;
  }
}

TEST_F(MonitorSourceTest, AnImplausibleInsideTemperatureIsAStationFault) {
  const struct {
    int tenthsF;
    bool imperial;
    bool fault;
    const char* cause = "";
  } cases[] = {
      {-940, false, false},  // exactly -70 °C
      {-941, false, true, "Innentemperatur unmöglich"},
      {-940, true, false},
      {-941, true, true, "Innentemperatur unmöglich"},
      {station::kNoTemperature, false, true, "kein Wert für Innentemperatur"},
  };
  for (const auto& c : cases) {
    FakeStationPort p;
    auto s = sample();
    s.image.insideTemp = static_cast<std::int16_t>(c.tenthsF);
    s.calInside = 0;
    p.station.setState(s);
    MonitorRig r(clock, p);
    if (c.imperial) r.useImperialUnits();
    r.settings.port = "COM1";
    r.source->pick();
    EXPECT_EQ(r.source->ready(), !c.fault) << c.tenthsF << " " << c.imperial;
    EXPECT_EQ(r.source->statusText() == "Fehler: Weather Monitor", c.fault) << c.tenthsF;
    if (c.fault)
      EXPECT_EQ(r.log,
                QStringList{QString::fromUtf8("Fehler: Weather Monitor: ") + QString::fromUtf8(c.cause)});
    // A fault keeps polling.
    EXPECT_TRUE(r.source->timerActive());
  }
}

TEST_F(MonitorSourceTest, AStationThatOnlyBabblesIsAFaultNotAHang) {
  port.babble = true;
  openByHand();
  EXPECT_EQ(rig.source->statusText(), "Fehler: Weather Monitor");
  EXPECT_TRUE(rig.source->timerActive());
}

TEST_F(MonitorSourceTest, OnlyGoodWindReadingsEnterTheGustRing) {
  openByHand();
  for (const int mph : {20, 30, 40}) {
    setWind(mph);
    rig.source->refreshNow();
  }
  setWind(130);  // 209 km/h: outside the limits
  rig.source->refreshNow();
  EXPECT_TRUE(rig.red("CheckBoxVent"));
  EXPECT_NEAR(rig.source->snapshot().VitRafa, 40 * 1.609344, 1e-9);
  // In mph the ring's readings are not converted twice.
  rig.useImperialUnits();
  setWind(5);
  rig.source->refreshNow();
  EXPECT_NEAR(rig.source->snapshot().VitRafa, 40, 1e-9);
  EXPECT_FALSE(rig.red("CheckBoxVent"));
}

TEST_F(MonitorSourceTest, ARefreshDueDuringAnAnnouncementRunsOnceAfterIt) {
  openByHand();
  const qsizetype afterOpen = port.written.size();
  rig.playing = true;
  clock.runFor(60000);
  EXPECT_TRUE(rig.source->companions().RefreshPending);
  EXPECT_FALSE(rig.source->timerActive());
  clock.runFor(10 * 60000);
  EXPECT_EQ(port.written.size(), afterOpen);
  rig.playing = false;
  rig.source->runDeferredRefresh();
  EXPECT_FALSE(rig.source->companions().RefreshPending);
  EXPECT_GT(port.written.size(), afterOpen);
  const qsizetype afterDeferred = port.written.size();
  rig.source->runDeferredRefresh();
  EXPECT_EQ(port.written.size(), afterDeferred);
  EXPECT_TRUE(rig.source->timerActive());
}

TEST_F(MonitorSourceTest, NoComHidesTheWindowAndStopsPolling) {
  openByHand();
  ASSERT_TRUE(rig.source->timerActive());
  rig.source->ButtonPortClick();
  EXPECT_TRUE(rig.source->portListVisible());
  EXPECT_EQ(rig.source->portListSelection(), 2);
  rig.source->ListBoxPortClick(0);
  EXPECT_EQ(rig.hides, 1);
  EXPECT_FALSE(rig.source->portListVisible());
  EXPECT_EQ(rig.settings.port, "0");
  EXPECT_EQ(rig.caption("ButtonPort"), "COM=0");
  EXPECT_FALSE(port.isOpen());
  EXPECT_FALSE(rig.source->ready());
  const qsizetype before = port.written.size();
  clock.runFor(3 * 3600 * 1000);
  EXPECT_EQ(port.written.size(), before);
  EXPECT_EQ(rig.source->pick(), Show::Always);
}

TEST_F(MonitorSourceTest, APortThatCannotBeTheStationsIsAComPortFault) {
  const struct {
    const char* name;
    QByteArray port;
    QString mainPort;
  } cases[] = {
      {"device missing", "ttyACM3", "No COM"},
      {"the transmitter's port", "COM1", "COM1"},
      {"the transmitter's port by number", "1", "COM1"},
      {"no device name", "../../etc/passwd", "No COM"},
      {"a path out of /dev", "/dev/../etc/passwd", "No COM"},
  };
  for (const auto& c : cases) {
    FakeStationPort p;
    p.missing << "/dev/ttyACM3";
    MonitorRig r(clock, p);
    r.mainPort = c.mainPort;
    r.settings.port = c.port;
    r.source->pick();
    EXPECT_EQ(r.source->statusText(), "Fehler: COM-Port") << c.name;
    EXPECT_FALSE(r.source->ready()) << c.name;
    EXPECT_FALSE(r.source->timerActive()) << c.name;
    EXPECT_EQ(r.log.size(), 1) << c.name;
  }
}

TEST_F(MonitorSourceTest, PickOpensTheConfiguredPortListedOrNot) {
  rig.settings.port = "/dev/pts/7";
  rig.source->pick();
  EXPECT_EQ(port.path(), "/dev/pts/7");
  rig.settings.port = "ttyACM5";
  EXPECT_EQ(rig.source->pick(), Show::InPlaceUnlessMinimised);
  EXPECT_EQ(port.path(), "/dev/ttyACM5");
  EXPECT_EQ(rig.source->portListSelection(), -1);
  EXPECT_FALSE(rig.source->portListVisible());
  rig.settings.port = "ttyUSB0";
  rig.source->pick();
  EXPECT_EQ(rig.source->portListSelection(), 2);
  EXPECT_FALSE(rig.source->portListVisible());
  // The chooser's flag was used up: the user's click shows the list.
  rig.source->ButtonPortClick();
  EXPECT_TRUE(rig.source->portListVisible());
}

TEST_F(MonitorSourceTest, TheHourlyLineNeedsTheSourceTheBoxAndTheStation) {
  rig.settings.hourlyLog = true;
  rig.settings.port = "ttyUSB0";
  EXPECT_FALSE(rig.source->hourlyLog(15, 0));  // not open yet
  rig.source->pick();
  EXPECT_FALSE(rig.source->hourlyLog(15, 1));
  rig.chosen = false;
  EXPECT_FALSE(rig.source->hourlyLog(15, 0));
  rig.chosen = true;
  rig.settings.hourlyLog = false;
  EXPECT_FALSE(rig.source->hourlyLog(15, 0));
  EXPECT_TRUE(rig.log.isEmpty());
  rig.settings.hourlyLog = true;
  EXPECT_TRUE(rig.source->hourlyLog(15, 0));
  EXPECT_EQ(
      rig.log,
      QStringList({QString::fromUtf8("Meteo MonII Tinn=19 Taus=0 Datm=999 Wind=16 Böen=16 Richtung=270")}));
}

}  // namespace
}  // namespace parlhora
