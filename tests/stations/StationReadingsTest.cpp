#include <gtest/gtest.h>

#include <functional>

#include "StationFiles.h"
#include "StationRig.h"

namespace parlhora::test {
namespace {

UnitsSettings imperialTemperature() {
  UnitsSettings u;
  u.celsius = false;
  return u;
}

// n records `seconds` apart, the newest 2026-ish.
QList<W23Rec> w23Series(int n, int seconds = 300) {
  QList<W23Rec> list;
  for (int i = 0; i < n; ++i) {
    W23Rec r;
    r.seconds = 3900000000u + quint32(i * seconds);
    r.pressure = 1013.0f;
    r.rain = float(i) * 0.5f;
    list << r;
  }
  return list;
}

QByteArray join(const auto& records) {
  QByteArray b;
  for (const auto& r : records) b += r.bytes();
  return b;
}

struct Expect {
  const char* control;
  const char* caption;
  bool red = false;
};

struct Case {
  const char* name;
  std::function<QByteArray()> file;
  QList<Expect> captions;
  std::function<void(const WeatherSnapshot&)> snapshot = {};
  UnitsSettings units = {};
};

void run(Kind kind, const Case& c, const QString& fileName) {
  StationRig rig(kind, c.units);
  writeFile(rig.path(fileName), c.file());
  rig.refresh(rig.path(fileName));
  EXPECT_EQ(rig.source->errorText(), QString()) << c.name;
  for (const Expect& e : c.captions) {
    EXPECT_EQ(rig.caption(e.control), QString::fromUtf8(e.caption)) << c.name << " " << e.control;
    EXPECT_EQ(rig.red(e.control), e.red) << c.name << " " << e.control;
  }
  if (c.snapshot) c.snapshot(rig.snap());
}

TEST(W23Readings, RulesOfTheNewestRecords) {
  const Case cases[] = {
      {"two records: no interval, steady, no rain",
       [] { return join(w23Series(2)); },
       {{"CheckBoxTend", "Trend : stetig"}, {"CheckBoxPluie", "Regen/24h (mm) = --"}},
       [](const WeatherSnapshot& s) {
         EXPECT_EQ(s.RecordInterval, 0);
         EXPECT_EQ(s.Pluie, -1);
       }},
      {"tendency against the record 12 back",
       [] {
         auto r = w23Series(300);
         r[299 - 11].pressure = r[299 - 13].pressure = 1014.0f;
         r[299 - 12].pressure = 1012.0f;
         return join(r);
       },
       {{"CheckBoxTend", "Trend : steigend"}, {"CheckBoxPatm", "Luftdruck (hPa) = 1013.0"}},
       [](const WeatherSnapshot& s) { EXPECT_NEAR(s.RecordInterval * 1440, 5, 1e-6); }},
      {"rain against the record 288 back",
       [] { return join(w23Series(300)); },
       {{"CheckBoxPluie", "Regen/24h (mm) = 144.0"}}},
      {"less than a day: no rain",
       [] { return join(w23Series(200)); },
       {{"CheckBoxPluie", "Regen/24h (mm) = --"}}},
      {"gust: strongest of the ten newest",
       [] {
         auto r = w23Series(20);
         r[19 - 5].wind = 10.0f;
         r[19 - 10].wind = 20.0f;
         return join(r);
       },
       {{"CheckBoxRafa", "Böen (km/h) = 36"}, {"CheckBoxVent", "Wind (km/h) = 9"}}},
      {"0.5 m/s: no felt temperature",
       [] {
         auto r = w23Series(3);
         r[2].wind = 0.5f;
         return join(r);
       },
       {{"CheckBoxTRes", "gefühlt (°C) = --"}},
       [](const WeatherSnapshot& s) { EXPECT_EQ(s.TRes, -200); }},
      {"felt temperature and dew point",
       [] { return join(w23Series(3)); },
       {{"CheckBoxTRes", "gefühlt (°C) = 14.7"}, {"LabelTros", "Taupunkt (°C) = 9.5"}}},
      {"humidity 110 and -1 red",
       [] {
         auto r = w23Series(3);
         r[2].humIn = 110;
         r[2].humOut = -1;
         return join(r);
       },
       {{"LabelHumInt", "Innenfeuchte (%) = 110", true},
        {"CheckBoxHumiExt", "Feuchte (%) = -1", true},
        {"LabelTros", "Taupunkt (°C) = --"}}},
      {"dew point in °F computed in °C",
       [] {
         auto r = w23Series(3);
         r[2].tempOut = 20.0f;
         return join(r);
       },
       {{"CheckBoxText", "Aussen-T (°F) = 68.0"}, {"LabelTros", "Taupunkt (°F) = 57.8"}},
       {},
       imperialTemperature()},
  };
  for (const Case& c : cases) run(Kind::W23, c, "history.dat");
}

QList<W28Rec> w28Series(int n, double step) {
  QList<W28Rec> list;
  for (int i = 0; i < n; ++i) {
    W28Rec r;
    r.time = 46000.0 + i * step;
    list << r;
  }
  return list;
}

TEST(W28Readings, PressureChoiceRainAndGust) {
  const Case cases[] = {
      {"absolute pressure",
       [] { return join(w28Series(3, 0.01)); },
       {{"CheckBoxPatm", "Luftdruck (hPa) = 1000.0"}}},
      {"rain of the last day, not the first record",
       [] { return join(w28Series(5, 0.1)); },
       {{"CheckBoxPluie", "Regen/24h (mm) = 0.8"}}},
      {"rain stops at the first record a day older",
       [] { return join(w28Series(30, 0.07)); },
       {{"CheckBoxPluie", "Regen/24h (mm) = 3.0"}}},
      {"gust of the newest record; rising",
       [] {
         auto r = w28Series(20, 1.0 / 96);
         r[19].pAbs = 1001.0f;
         return join(r);
       },
       {{"CheckBoxRafa", "Böen (km/h) = 14"}, {"CheckBoxTend", "Trend : steigen"}}},
      {"wind out of range reddens wind and gust",
       [] {
         auto r = w28Series(3, 0.01);
         r[2].wind = 60.0f;
         return join(r);
       },
       {{"CheckBoxVent", "Wind (km/h) = 216", true}, {"CheckBoxRafa", "Böen (km/h) = 14", true}}},
  };
  for (const Case& c : cases) run(Kind::W28, c, "history.dat");
}

TEST(W28Readings, RelativePressureWhenChosen) {
  StationRig rig(Kind::W28);
  rig.settings.absolutePressure = false;
  auto r = w28Series(3, 0.01);
  r[2].pAbs = 973.0f;
  writeFile(rig.path("h.dat"), join(r));
  rig.refresh(rig.path("h.dat"));
  EXPECT_EQ(rig.caption("CheckBoxPatm"), "Luftdruck (hPa) = 1013.0");
}

QList<Pro2Rec> pro2Series(int n) {
  QList<Pro2Rec> list;
  for (int i = 0; i < n; ++i) {
    Pro2Rec r;
    r.minutes = qint16(i * 30 % 1440);
    r.rainWord = 0x2001;  // one click of 0.2 mm
    list << r;
  }
  return list;
}

TEST(Pro2Readings, FieldsOfTheNewestArchiveRecord) {
  const Case cases[] = {
      {"68.0 °F, 29.920 inHg",
       [] {
         return pro2File(pro2Series(3), {{1, 3}});
       },
       {{"CheckBoxText", "Aussen-T (°C) = 20.0"},
        {"CheckBoxPatm", "Luftdruck (hPa) = 1013.0"},
        {"CheckBoxDire", "Richtung (°) = 90"},
        {"Editdatemeteo", "01.03.2026 01:00"}}},
      {"direction code 16 missing",
       [] {
         auto r = pro2Series(3);
         r[2].direction = 16;
         return pro2File(r, {{1, 3}});
       },
       {{"CheckBoxDire", "Richtung (°) = --"}},
       [](const WeatherSnapshot& s) { EXPECT_EQ(s.DirVent, -1); }},
      {"direction code 255 missing",
       [] {
         auto r = pro2Series(3);
         r[2].direction = 255;
         return pro2File(r, {{1, 3}});
       },
       {{"CheckBoxDire", "Richtung (°) = --"}}},
      {"30-minute interval: 47 records of rain",
       [] {
         return pro2File(pro2Series(60), {{1, 48}, {2, 12}});
       },
       {{"CheckBoxPluie", "Regen/24h (mm) = 9.4"}}},
      {"1-minute interval: 1439 records, read in several blocks",
       [] {
         auto r = pro2Series(2000);
         for (Pro2Rec& rec : r) rec.interval = 1;
         return pro2File(r, {{1, 2000}});
       },
       {{"CheckBoxPluie", "Regen/24h (mm) = 287.8"}}},
      {"rain skips non-archive records",
       [] {
         auto r = pro2Series(60);
         r[50].type = 2;
         r[50].rainWord = 0x2000 | 100;
         r[59].type = 2;
         return pro2File(r, {{1, 60}});
       },
       {{"CheckBoxPluie", "Regen/24h (mm) = 9.4"}}},
      {"more than 255 clicks in one record",
       [] {
         auto r = pro2Series(1);
         r[0].interval = 0;
         r[0].rainWord = 0x3000 | 300;  // 1 mm collector
         return pro2File(r, {{1, 1}});
       },
       {{"CheckBoxPluie", "Regen/24h (mm) = 300.0"}}},
      {"hour 24 is the next midnight; the last day with records counts",
       [] {
         auto r = pro2Series(3);
         r[2].minutes = 1440;
         return pro2File(r, {{1, 1}, {2, 1}, {5, 1}});
       },
       {{"Editdatemeteo", "06.03.2026 00:00"}}},
      {"dew point in °F",
       [] {
         auto r = pro2Series(3);
         r[2].humOut = 700;
         return pro2File(r, {{1, 3}});
       },
       {{"CheckBoxText", "Aussen-T (°F) = 68.0"}, {"LabelTros", "Taupunkt (°F) = 57.8"}},
       {},
       imperialTemperature()},
  };
  for (const Case& c : cases) run(Kind::Pro2, c, "2026-03.wlk");
}

TEST(Pro2Readings, CurrentMonthFileTakesOver) {
  for (const bool search : {true, false}) {
    StationRig rig(Kind::Pro2);
    rig.settings.currentMonthFile = search;
    writeFile(rig.path("2026-02.wlk"), pro2File(pro2Series(3), {{28, 3}}));
    writeFile(rig.path("2026-03.wlk"), pro2File(pro2Series(2), {{1, 2}}));
    rig.refresh(rig.path("2026-02.wlk"));
    const QString expected = rig.path(search ? "2026-03.wlk" : "2026-02.wlk");
    EXPECT_EQ(rig.source->companions().FileName, expected);
    EXPECT_EQ(QFile::decodeName(rig.settings.file), expected);
    EXPECT_EQ(rig.caption("Editdatemeteo"), search ? "01.03.2026 00:30" : "28.02.2026 01:00");
  }
}

}  // namespace
}  // namespace parlhora::test
