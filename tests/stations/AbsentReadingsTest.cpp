#include <gtest/gtest.h>

#include <functional>

#include "StationFiles.h"
#include "StationRig.h"

namespace parlhora::test {
namespace {

// What a reading looks like when no refresh took it.
void expectAbsent(const WeatherSnapshot& s, const char* why) {
  EXPECT_EQ(s.TempInt, -200) << why;
  EXPECT_EQ(s.TempExt, -200) << why;
  EXPECT_EQ(s.TRes, -200) << why;
  EXPECT_EQ(s.PresAtm, 900) << why;
  EXPECT_EQ(s.PreTend, 255) << why;
  EXPECT_EQ(s.VitVent, -1) << why;
  EXPECT_EQ(s.VitRafa, 0) << why;
  EXPECT_EQ(s.DirVent, -1) << why;
  EXPECT_EQ(s.HumiExt, -1) << why;
  EXPECT_EQ(s.Pluie, -1) << why;
}

TEST(AbsentReadings, EveryStationFileStartsAbsent) {
  for (const Kind kind : {Kind::W23, Kind::W28, Kind::Pro2}) {
    StationRig rig(kind);
    expectAbsent(rig.snap(), "before the first refresh");
    // A file that cannot be read leaves them so.
    writeFile(rig.path("2026-03.wlk"), QByteArray(10, '\0'));
    rig.refresh(rig.path("2026-03.wlk"));
    expectAbsent(rig.snap(), "after a failed refresh");
  }
}

QByteArray records(int n, const std::function<void(int, W23Rec&)>& edit) {
  QByteArray b;
  for (int i = 0; i < n; ++i) {
    W23Rec r;
    r.seconds = 3900000000u + quint32(i * 300);
    if (i == n - 1) r.pressure = 1015.0f;  // rising against an hour ago
    edit(i == n - 1 ? 1 : 0, r);
    b += r.bytes();
  }
  return b;
}

QByteArray w28(const std::function<void(W28Rec&)>& edit) {
  QByteArray b;
  for (int i = 0; i < 3; ++i) {
    W28Rec r;
    r.time = 46000.0 + i * 0.01;
    if (i == 2) edit(r);
    b += r.bytes();
  }
  return b;
}

QByteArray pro2(const std::function<void(Pro2Rec&)>& edit) {
  QList<Pro2Rec> list(3);
  for (int i = 0; i < 3; ++i) list[i].minutes = qint16(i * 30);
  edit(list[2]);
  return pro2File(list, {{1, 3}});
}

struct Case {
  const char* name;
  Kind kind;
  std::function<QByteArray()> file;
  std::function<void(const WeatherSnapshot&)> check;
  const char* control = nullptr;
  const char* caption = nullptr;
  bool red = false;
};

// A reading a refresh cannot take is absent, even right after a refresh
// that took it; a value is rounded halves to even, and a humidity is judged
// on the value read.
TEST(AbsentReadings, WhatARefreshCannotTakeIsAbsent) {
  const auto good = [](int, W23Rec&) {};
  const Case cases[] = {
      {"W23 red pressure: no tendency", Kind::W23,
       [] { return records(20, [](int last, W23Rec& r) { r.pressure = last ? 800.0f : 1013.0f; }); },
       [](const WeatherSnapshot& s) { EXPECT_EQ(s.PreTend, 255); }, "CheckBoxTend", "Trend : --"},
      {"W23 code 1 is 22 degrees", Kind::W23,
       [] { return records(3, [](int, W23Rec& r) { r.direction = 1; }); },
       [](const WeatherSnapshot& s) { EXPECT_EQ(s.DirVent, 22); }, "CheckBoxDire", "Richtung (°) = 22"},
      {"W23 code 13 is 292 degrees", Kind::W23,
       [] { return records(3, [](int, W23Rec& r) { r.direction = 13; }); },
       [](const WeatherSnapshot& s) { EXPECT_EQ(s.DirVent, 292); }},
      {"W23 humidity 110 absent, not clamped", Kind::W23,
       [] { return records(3, [](int, W23Rec& r) { r.humOut = 110; }); },
       [](const WeatherSnapshot& s) { EXPECT_EQ(s.HumiExt, -1); }, "CheckBoxHumiExt", "Feuchte (%) = 110",
       true},
      {"W28 humidity 100.4 red and absent", Kind::W28,
       [] { return w28([](W28Rec& r) { r.humOut = 100.4f; }); },
       [](const WeatherSnapshot& s) { EXPECT_EQ(s.HumiExt, -1); }, "CheckBoxHumiExt", "Feuchte (%) = 100",
       true},
      {"W28 humidity 150 shown as read", Kind::W28, [] { return w28([](W28Rec& r) { r.humOut = 150.0f; }); },
       [](const WeatherSnapshot& s) { EXPECT_EQ(s.TRos, -200); }, "CheckBoxHumiExt", "Feuchte (%) = 150",
       true},
      {"W28 humidity 50.5 is 50", Kind::W28, [] { return w28([](W28Rec& r) { r.humOut = 50.5f; }); },
       [](const WeatherSnapshot& s) { EXPECT_EQ(s.HumiExt, 50); }},
      {"W28 code 5 is 112 degrees", Kind::W28, [] { return w28([](W28Rec& r) { r.direction = 5; }); },
       [](const WeatherSnapshot& s) { EXPECT_EQ(s.DirVent, 112); }},
      {"Pro2 red pressure: no tendency", Kind::Pro2,
       [] { return pro2([](Pro2Rec& r) { r.barometer = 20000; }); },
       [](const WeatherSnapshot& s) { EXPECT_EQ(s.PreTend, 255); }, "CheckBoxTend", "Trend : --"},
      {"Pro2 dew point from 45.5 %", Kind::Pro2, [] { return pro2([](Pro2Rec& r) { r.humOut = 455; }); },
       [](const WeatherSnapshot& s) {
         EXPECT_EQ(s.HumiExt, 46);
         EXPECT_NEAR(s.TRos, 7.81, 0.01);  // 45.5 % at 20 °C; 46 % would give 7.97
       }},
      {"Pro2 humidity 100.4 red and absent", Kind::Pro2,
       [] { return pro2([](Pro2Rec& r) { r.humIn = 1004; }); },
       [](const WeatherSnapshot& s) { EXPECT_EQ(s.HumInt, -1); }, "LabelHumInt", "Innenfeuchte (%) = 100",
       true},
      {"Pro2 code 9 is 202 degrees", Kind::Pro2, [] { return pro2([](Pro2Rec& r) { r.direction = 9; }); },
       [](const WeatherSnapshot& s) { EXPECT_EQ(s.DirVent, 202); }},
  };
  for (const Case& c : cases) {
    StationRig rig(c.kind);
    const QString file = rig.path(c.kind == Kind::Pro2 ? "2026-03.wlk" : "history.dat");
    // First a file where every reading is good.
    writeFile(file, c.kind == Kind::W23   ? records(20, good)
                    : c.kind == Kind::W28 ? w28([](W28Rec&) {})
                                          : pro2([](Pro2Rec&) {}));
    rig.refresh(file);
    EXPECT_LE(rig.snap().PreTend, 2) << c.name;
    writeFile(file, c.file());
    rig.refresh(file);
    EXPECT_EQ(rig.source->errorText(), QString()) << c.name;
    c.check(rig.snap());
    if (c.control) {
      EXPECT_EQ(rig.caption(c.control), QString::fromUtf8(c.caption)) << c.name;
      EXPECT_EQ(rig.red(c.control), c.red) << c.name;
    }
  }
}

}  // namespace
}  // namespace parlhora::test
