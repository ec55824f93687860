#include <gtest/gtest.h>

#include <QJsonDocument>

#include "stations/StationTime.h"
#include "stations/net/NetReading.h"
#include "stations/net/UploadParser.h"

namespace parlhora {
namespace {

constexpr double kMinute = 1.0 / 1440;
const double kStart = StationTime::fromDateTime(QDateTime(QDate(2026, 3, 5), QTime(0, 0)));

StationReading evaluate(const NetUpload& u, double at, const UploadHistory& h, const UnitFactors& units) {
  StationReading r;
  StationParams p{units};
  NetReading::evaluate(u, at, h, p, r);
  return r;
}

TEST(NetReading, EveryLackingFieldIsAbsent) {
  UnitFactors units;
  units.RadioButtonPiClick();
  const StationReading r = evaluate(NetUpload{}, kStart, {}, units);
  const WeatherSnapshot& s = r.snapshot;
  EXPECT_EQ(s.TempExt, -200);
  EXPECT_EQ(s.TempInt, -200);
  EXPECT_DOUBLE_EQ(s.PresAtm, 900 * 0.02953);
  EXPECT_EQ(s.PreTend, 255);
  EXPECT_EQ(s.VitVent, -1);
  EXPECT_EQ(s.VitRafa, 0);
  EXPECT_EQ(s.DirVent, -1);
  EXPECT_EQ(s.TRes, -200);
  EXPECT_EQ(s.TRos, -200);
  EXPECT_EQ(s.Pluie, -1);
  EXPECT_EQ(s.HumiExt, -1);
  EXPECT_EQ(s.HumInt, -1);
  EXPECT_EQ(r.captions.text("CheckBoxText"), "Aussen-T (°C) = --");
  EXPECT_EQ(r.captions.text("CheckBoxPatm"), "Luftdruck (inHg) = --");
  EXPECT_EQ(r.captions.text("CheckBoxHumiExt"), "Feuchte (%) = --");
  EXPECT_EQ(r.dataTime, kStart) << "no dateutc: the arrival";
}

TEST(NetReading, FeltAndDewPointAsThePro2InFahrenheit) {
  UnitFactors units;
  units.RadioButtonTfClick();
  units.RadioButtonVmClick();
  const NetUpload u = UploadParser::parse("tempf=30&windspeedmph=20&windgustmph=25&humidity=80");
  const StationReading r = evaluate(u, kStart, {}, units);
  EXPECT_NEAR(r.snapshot.TempExt, 30, 1e-9);
  EXPECT_NEAR(r.snapshot.VitVent, 20, 1e-6);
  const double w = std::pow(r.snapshot.VitVent, 0.16);
  EXPECT_NEAR(r.snapshot.TRes, 35.74 + 0.6215 * 30 - 35.75 * w + 0.4275 * 30 * w, 1e-9);
  const double tc = (30 - 32) / 1.8;
  EXPECT_NEAR(r.snapshot.TRos, (std::pow(0.8, 0.125) * (112 + 0.9 * tc) + 0.1 * tc - 112) * 1.8 + 32, 1e-9);
  // A calm gust has no felt temperature, as on the Pro2.
  const NetUpload calm = UploadParser::parse("tempf=30&windspeedmph=20&windgustmph=2");
  EXPECT_EQ(evaluate(calm, kStart, {}, units).snapshot.TRes, -200);
}

TEST(NetReading, DataTimeFromTheUploadUnlessAhead) {
  const double arrival = StationTime::fromDateTime(QDateTime(QDate(2026, 3, 5), QTime(13, 31)));
  NetUpload u;
  u.dataTime = QDateTime(QDate(2026, 3, 5), QTime(13, 30));
  EXPECT_NEAR(NetReading::dataTime(u, arrival), arrival - kMinute, 1e-9);
  u.dataTime = QDateTime(QDate(2026, 3, 6), QTime(13, 30));
  EXPECT_EQ(NetReading::dataTime(u, arrival), arrival);
}

TEST(UploadHistory, RainOver24HoursAndACounterReset) {
  UploadHistory h;
  // 1 mm an hour on a counter that starts at 100 mm, one upload a minute.
  for (int minute = 0; minute <= 26 * 60; minute += 1) {
    const double at = kStart + minute * kMinute;
    if (minute != 24 * 60)
      EXPECT_EQ(h.rain24(at, 100 + minute / 60.0, 5).has_value(), minute > 24 * 60) << minute;
    h.add(at, 1000 + minute / 600.0, 100 + minute / 60.0, 5);
  }
  const double t = kStart + (26 * 60 + 1) * kMinute;
  EXPECT_NEAR(*h.rain24(t, 100 + 26 * 60 / 60.0 + 1 / 60.0, 5), 24, 0.1);
  EXPECT_NEAR(*h.pressureChange(t, 1000 + 26 * 0.1), 0.1, 0.01) << "0.1 hPa an hour";
  EXPECT_LE(h.samples().size(), 25 * 12 + 2);

  // The gateway restarts with its counter at 0: absent for the next day.
  h.add(t, 1000, 0.5, 5);
  EXPECT_FALSE(h.rain24(t + 10 * kMinute, 1, 5).has_value());
  EXPECT_FALSE(h.rain24(t + 23 * 60 * kMinute, 1, 5).has_value());
  for (int minute = 5; minute <= 25 * 60; minute += 5)
    h.add(t + minute * kMinute, 1000, 0.5 + minute / 600.0, 5);
  EXPECT_TRUE(h.rain24(t + 25 * 60 * kMinute, 3, 5).has_value());

  const UploadHistory back = UploadHistory::fromJson(h.toJson());
  EXPECT_EQ(back.samples().size(), h.samples().size());
  EXPECT_EQ(back.rain24(t + 25 * 60 * kMinute, 3, 5), h.rain24(t + 25 * 60 * kMinute, 3, 5));
  EXPECT_TRUE(UploadHistory::fromJson(QJsonDocument::fromJson("{\"samples\":[1,{\"t\":\"x\"}]}").object())
                  .samples()
                  .isEmpty());
}

TEST(UploadHistory, TendencyAbsentUntilAnHourIsCovered) {
  UploadHistory h;
  h.add(kStart, 1010, std::nullopt, 0);
  EXPECT_FALSE(h.pressureChange(kStart + 59 * kMinute, 1012).has_value());
  EXPECT_NEAR(*h.pressureChange(kStart + 61 * kMinute, 1012), 2, 1e-9);
  EXPECT_FALSE(h.pressureChange(kStart + 3 * 60 * kMinute, 1012).has_value()) << "a gap is not an hour";
}

}  // namespace
}  // namespace parlhora
