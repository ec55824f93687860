#include <gtest/gtest.h>

#include "internet/AprsReadings.h"
#include "internet/AprsWeather.h"

namespace parlhora {
namespace {

// Raw units of the page: mph, °F, hundredths of an inch unless a case says so.
TEST(AprsReadings, WeatherStringsGiveReadingsAndCaptions) {
  const struct {
    const char* line;
    RawWindUnit wind;
    bool fahrenheit, inch;
    double temp, wind_, gust, rain, pressure;
    int direction, humidity;
    const char* windCaption;
    const char* rainCaption;
  } cases[] = {
      {"_12071030c220s004g005t077r000p000P000h50b10132", RawWindUnit::Mph, true, true, 25.0, 6.437376,
       8.04672, 0, 1013.2, 220, 50, "Wind (km/h) = 6", "Regen/24h (mm) = 0.0"},
      // A "..." placeholder ends the fields: wind and everything after it.
      {"_12071030c220s...g005t077r000p000P000h50b10132", RawWindUnit::Mph, true, true, -200, -1, 0, -1, 900,
       220, 255, "Wind (km/h) = --", "Regen/24h (mm) = --"},
      // Position report: wind as ddd/sss after the symbol, below-zero °C, knots, mm.
      {"!4903.50N/07201.75W_090/010g015t-05p012h00b09985", RawWindUnit::Knots, false, false, -5, 18.52, 27.78,
       12, 998.5, 90, 100, "Wind (km/h) = 19", "Regen/24h (mm) = 12.0"},
      // Letters where digits belong; a truncated pressure.
      {"_c2x0s0A4gxxxt7 7h5b1013", RawWindUnit::Kmh, true, true, -200, -1, 0, -1, 900, -1, 255,
       "Wind (km/h) = --", "Regen/24h (mm) = --"},
      // A UI-View WXNOW line: no marker, the whole line is the report.
      {"225/008g015t045r001p010P008h85b10132", RawWindUnit::Mph, true, true, (45 - 32) * 5.0 / 9,
       8 * 1.609344, 15 * 1.609344, 2.54, 1013.2, 225, 85, "Wind (km/h) = 13", "Regen/24h (mm) = 2.5"},
      // No weather report at all.
      {"OH2XYZ>APRS:>status text", RawWindUnit::Mph, true, true, -200, -1, 0, -1, 900, -1, 255,
       "Wind (km/h) = --", "Regen/24h (mm) = --"},
  };
  const UnitFactors units;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const AprsWeather w = AprsWeather::parse(QString::fromLatin1(c.line));
    WeatherSnapshot snap;
    Captions captions;
    AprsReadings::apply(w, {units, 0, c.wind, c.fahrenheit, c.inch}, snap, captions);
    EXPECT_NEAR(snap.TempExt, c.temp, 1e-9);
    EXPECT_NEAR(snap.VitVent, c.wind_, 1e-9);
    EXPECT_NEAR(snap.VitRafa, c.gust, 1e-9);
    EXPECT_NEAR(snap.Pluie, c.rain, 1e-9);
    EXPECT_NEAR(snap.PresAtm, c.pressure, 1e-9);
    EXPECT_EQ(snap.DirVent, c.direction);
    EXPECT_EQ(static_cast<std::uint8_t>(snap.HumiExt), c.humidity);
    EXPECT_EQ(captions.text("CheckBoxVent"), QString::fromUtf8(c.windCaption));
    EXPECT_EQ(captions.text("CheckBoxPluie"), QString::fromUtf8(c.rainCaption));
  }
}

TEST(AprsReadings, UserUnitsCaptionsAndTheSideLine) {
  UnitFactors units;
  units.RadioButtonTfClick();
  units.RadioButtonPiClick();
  units.RadioButtonVmClick();
  units.RadioButtonRiClick();
  const AprsWeather w = AprsWeather::parse("_12071030c220s020g030t023r000p050P000h80b10132");
  WeatherSnapshot snap;
  Captions c;
  AprsReadings::apply(w, {units, 3, RawWindUnit::Mph, true, true}, snap, c);
  EXPECT_EQ(c.text("CheckBoxText"), "Aussen-T (°F) = 23.0");
  EXPECT_EQ(c.text("CheckBoxPatm"), "Luftdruck (inHg) = 29.95");  // 3 × 0.01 + 1013.2 hPa
  EXPECT_EQ(c.text("CheckBoxVent"), "Wind (mph) = 20");
  EXPECT_EQ(c.text("CheckBoxRafa"), "Böen (mph) = 30");
  EXPECT_EQ(c.text("CheckBoxPluie"), "Regen/24h (inch) = 0.50");
  EXPECT_EQ(c.text("CheckBoxHumiExt"), "Feuchte (%) = 80");
  EXPECT_EQ(c.text("CheckBoxTRes"), "gefühlt (°F) = 8.2");
  EXPECT_EQ(c.text("LabelTros"), "Taupunkt (°F) = 17.7");
  EXPECT_FALSE(c.red("CheckBoxText"));
  // The side line speaks °C, hPa and km/h whatever is shown.
  EXPECT_EQ(AprsReadings::plainLine(w, snap, units),
            " TEMP -5C = QNH 1013hPa = WS 32kmh = WCT -13C = HUM 80 ");

  // Out-of-range readings turn red; a red temperature gives no dew point.
  const AprsWeather hot = AprsWeather::parse("_c000s250g260t199h50b12000");
  AprsReadings::apply(hot, {units, 0, RawWindUnit::Mph, true, true}, snap, c);
  EXPECT_TRUE(c.red("CheckBoxText"));
  EXPECT_TRUE(c.red("CheckBoxPatm"));
  EXPECT_TRUE(c.red("CheckBoxVent"));
  EXPECT_TRUE(c.red("CheckBoxRafa"));
  EXPECT_EQ(c.text("LabelTros"), "Taupunkt (F) = --");
}

}  // namespace
}  // namespace parlhora
