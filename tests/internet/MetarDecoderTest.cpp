#include <gtest/gtest.h>

#include <QTimeZone>

#include "internet/MetarGroups.h"
#include "internet/MetarReadings.h"

namespace parlhora {
namespace {

constexpr int M = MetarGroups::kMissing;

TEST(MetarGroups, EachGroupIsTheFirstWordThatMatchesIt) {
  struct Case {
    const char* line;
    int direction, speed, gust;
    double speedFactor;
    int temperature, dewPoint, pressure;
    double pressureFactor;
    int flags;
  } cases[] = {
      {"LFPG 071030Z 24015G25KT 9999 12/08 Q1013", 240, 15, 25, 1.852, 12, 8, 1013, 1.0, 0},
      {"X VRB03KT", 999, 3, M, 1.852, M, M, M, 0, 0},
      {"X 27005MPS 27099KT", 270, 5, M, 3.6, M, M, M, 0, 0},
      {"X 27010KMH", 270, 10, M, 1.0, M, M, M, 0, 0},
      {"X /////KT", M, M, M, 1.852, M, M, M, 0, 0},
      {"X 500G10KT", 500, M, 10, 1.852, M, M, M, 0, 0},
      {"X M05/M07", M, M, M, 0, -5, -7, M, 0, 0},
      {"X 12/// 10/05", M, M, M, 0, 10, 5, M, 0, 0},
      {"X 1/2SM M1/4SM", M, M, M, 0, -1, M, M, 0, 0},
      {"X AB/12 10/05", M, M, M, 0, M, M, M, 0, 0},
      {"X A2992", M, M, M, 0, M, M, 2992, 0.338639, 0},
      {"X Q//// A//// Q0998", M, M, M, 0, M, M, 998, 1.0, 0},
      {"X -SHRA +SN", M, M, M, 0, M, M, M, 0, 1 | 4},
      {"X +SN", M, M, M, 0, M, M, M, 0, 2 | 8},
      {"X NOSIG 9999 BR", M, M, M, 0, M, M, M, 0, 32},
      {"X VCFG", M, M, M, 0, M, M, M, 0, 64},
      {"X +GR", M, M, M, 0, M, M, M, 0, 2 | 16},
      {"X -DZ RA", M, M, M, 0, M, M, M, 0, 1},
      // Bad input: nothing converts, nothing overruns.
      {"M", M, M, M, 0, M, M, M, 0, 0},
      {"X M / // ///", M, M, M, 0, M, M, M, 0, 0},
      {"X A B C D E", M, M, M, 0, M, M, M, 0, 0},
      {"X  KT G KMH MPS", M, M, M, 1.852, M, M, M, 0, 0},
      {"X GKT", M, M, M, 1.852, M, M, M, 0, 0},
      {"X 12/08\x01\xff Q1013\t", M, M, M, 0, 12, M, M, 0, 0},
      {"X 99999999999KT 9999999/99999", 999, M, M, 1.852, M, M, M, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    const MetarGroups g = MetarGroups::parse(QString::fromLatin1(c.line));
    EXPECT_EQ(g.direction, c.direction);
    EXPECT_EQ(g.speed, c.speed);
    EXPECT_EQ(g.gust, c.gust);
    EXPECT_DOUBLE_EQ(g.speedFactor, c.speedFactor);
    EXPECT_EQ(g.temperature, c.temperature);
    EXPECT_EQ(g.dewPoint, c.dewPoint);
    EXPECT_EQ(g.pressureGroup, c.pressure);
    EXPECT_DOUBLE_EQ(g.pressureFactor, c.pressureFactor);
    EXPECT_EQ(g.flags, c.flags);
  }
}

TEST(MetarGroups, WordsAreCutAtSingleSpacesAndOnlyFiftyAreRead) {
  QString line = QStringLiteral("X  12/08");  // two spaces: an empty word
  EXPECT_EQ(MetarGroups::parse(line).words, (QStringList{"X", "", "12/08"}));
  QStringList many(60, QStringLiteral("W"));
  many[49] = QStringLiteral("12/08");
  many[50] = QStringLiteral("Q1013");
  const MetarGroups g = MetarGroups::parse(many.join(u' '));
  EXPECT_EQ(g.words.size(), 50);
  EXPECT_EQ(g.temperature, 12);
  EXPECT_EQ(g.pressureGroup, M);
  const MetarGroups huge = MetarGroups::parse(QString(1 << 20, u'A') + QStringLiteral(" 12/08"));
  EXPECT_EQ(huge.temperature, 12);
}

// 2026-12-07 12:00 in Berlin (CET), the tests' time zone.
QDateTime winterNoon() { return QDateTime(QDate(2026, 12, 7), QTime(12, 0)); }

struct Decoded {
  WeatherSnapshot snap;
  SnapshotCompanions companions;
  Captions captions;
  std::optional<MetarReportTime> time;
};

Decoded decode(const char* line, const UnitFactors& units = {}, int offset = 0, bool local = false,
               QDateTime now = winterNoon()) {
  Decoded d;
  d.snap.TRos = 123;  // kept when the report has no dew point
  const MetarReadings::Options o{units, offset, local, now};
  d.time = MetarReadings::apply(MetarGroups::parse(QString::fromLatin1(line)), o, d.snap, d.companions,
                                d.captions);
  return d;
}

TEST(MetarReadings, ReadingsAndCaptionsInEachUnit) {
  UnitFactors us;
  us.RadioButtonTfClick();
  us.RadioButtonPiClick();
  us.RadioButtonVmClick();
  struct Case {
    const char* line;
    const UnitFactors units;
    int offset;
    double temp, dew, felt, pressure, wind, gust;
    int direction, humidity;
    const char *tempText, *presText, *windText, *gustText, *dirText, *feltText, *humText, *dewText;
  } cases[] = {
      {"LFPG 071030Z 24015G25KT 9999 12/08 Q1013",
       {},
       0,
       12,
       8,
       9.3234,
       1013,
       27.78,
       46.3,
       240,
       77,
       "Aussen-T (°C) = 12.0",
       "Luftdruck (hPa) = 1013.0",
       "Wind (km/h) = 28",
       "Böen (km/h) = 46",
       "Richtung (°) = 240",
       "gefühlt (°C) = 9.3",
       "Feuchte (%) = 77",
       "Taupunkt (°C) = 8.0"},
      {"LFPG 071030Z 24015G25KT 9999 12/08 Q1013", us, 3, 53.6, 46.4, 48.8053, 29.94389, 17.2617, 28.7695,
       240, 77, "Aussen-T (°F) = 53.6", "Luftdruck (inHg) = 29.94", "Wind (mph) = 17", "Böen (mph) = 29",
       "Richtung (°) = 240", "gefühlt (°F) = 48.8", "Feuchte (%) = 77", "Taupunkt (°F) = 46.4"},
      {"KXYZ 071030Z VRB03KT 10SM 12/12 A2992 RMK",
       {},
       -2,
       12,
       12,
       11.8785,
       1011.2079,
       5.556,
       0,
       999,
       99,
       "Aussen-T (°C) = 12.0",
       "Luftdruck (hPa) = 1011.2",
       "Wind (km/h) = 6",
       "Böen (km/h) = --",
       "Richtung (°) = variabel",
       "gefühlt (°C) = 11.9",
       "Feuchte (%) = 99",
       "Taupunkt (°C) = 12.0"},
      {"X 00002KT 10/M02",
       {},
       0,
       10,
       -2,
       -200,
       900,
       3.704,
       0,
       0,
       43,
       "Aussen-T (°C) = 10.0",
       "Luftdruck (hPa) = --",
       "Wind (km/h) = 4",
       "Böen (km/h) = --",
       "Richtung (°) = 0",
       "gefühlt (°C) = --",
       "Feuchte (%) = 43",
       "Taupunkt (°C) = -2.0"},
      {"LFPG NIL", us, 0, -200, 123, -200, 900 * 0.02953, -1, 0, -1, -1, "Aussen-T (°F) = --",
       "Luftdruck (inHg) = --", "Wind (mph) = --", "Böen (mph) = --", "Richtung (°) = --",
       "gefühlt (°F) = --", "Feuchte (%) = --", "Taupunkt (°F) = --"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    const Decoded d = decode(c.line, c.units, c.offset);
    EXPECT_NEAR(d.snap.TempExt, c.temp, 1e-3);
    EXPECT_NEAR(d.snap.TRos, c.dew, 1e-3);
    EXPECT_NEAR(d.snap.TRes, c.felt, 1e-3);
    EXPECT_NEAR(d.snap.PresAtm, c.pressure, 1e-3);
    EXPECT_NEAR(d.snap.VitVent, c.wind, 1e-3);
    EXPECT_NEAR(d.snap.VitRafa, c.gust, 1e-3);
    EXPECT_EQ(d.snap.DirVent, c.direction);
    EXPECT_EQ(d.snap.HumiExt, c.humidity);
    EXPECT_EQ(d.captions.text("CheckBoxText"), QString::fromUtf8(c.tempText));
    EXPECT_EQ(d.captions.text("CheckBoxPatm"), QString::fromUtf8(c.presText));
    EXPECT_EQ(d.captions.text("CheckBoxVent"), QString::fromUtf8(c.windText));
    EXPECT_EQ(d.captions.text("CheckBoxRafa"), QString::fromUtf8(c.gustText));
    EXPECT_EQ(d.captions.text("CheckBoxDire"), QString::fromUtf8(c.dirText));
    EXPECT_EQ(d.captions.text("CheckBoxTRes"), QString::fromUtf8(c.feltText));
    EXPECT_EQ(d.captions.text("CheckBoxHumiExt"), QString::fromUtf8(c.humText));
    EXPECT_EQ(d.captions.text("LabelTros"), QString::fromUtf8(c.dewText));
  }
}

TEST(MetarReadings, PresentWeatherCaption) {
  const struct {
    const char* word;
    const char* caption;
  } cases[] = {{"-SHRA", "Regen leicht"},
               {"+SN", "Schnee stark"},
               {"BR", "Nebel"},
               {"RA", "Regen mässig"},
               {"+GR", "Hagel"},
               {"-RASN", "Schnee leicht"},
               {"-DZ", "Niederschläge = --"},
               {"CAVOK", "Niederschläge = --"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.word);
    const Decoded d = decode(qPrintable(QStringLiteral("X 071030Z ") + c.word));
    EXPECT_EQ(d.captions.text("CheckBoxPluie"), QString::fromUtf8(c.caption));
  }
}

TEST(MetarReadings, OutOfRangeCaptionsAreRed) {
  UnitFactors fahrenheit;
  fahrenheit.RadioButtonTfClick();
  const struct {
    const char* line;
    const UnitFactors units;
    bool temp, felt, pressure, wind, gust;
  } cases[] = {
      {"X 24015G25KT 12/08 Q1013", {}, false, false, false, false, false},
      {"X 24015G25KT 70/08 Q0900", {}, true, true, true, false, false},
      {"X 240250G260KT M51/M60 Q1051", {}, true, true, true, true, true},
      // The felt temperature is judged by the outside temperature's range.
      {"X 24015G25KT M50/M60 Q1050", {}, false, true, false, false, false},
      // -50 °C is -58 °F: still good in °F.
      {"X 02KT M50/M60", fahrenheit, false, false, false, false, false},
      // Missing readings ("--") are never red.
      {"X NIL", {}, false, false, false, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const Decoded d = decode(c.line, c.units);
    EXPECT_EQ(d.captions.red("CheckBoxText"), c.temp);
    EXPECT_EQ(d.captions.red("CheckBoxTRes"), c.felt);
    EXPECT_EQ(d.captions.red("CheckBoxPatm"), c.pressure);
    EXPECT_EQ(d.captions.red("CheckBoxVent"), c.wind);
    EXPECT_EQ(d.captions.red("CheckBoxRafa"), c.gust);
  }
}

TEST(MetarReadings, ReportTimeTakesTheMonthThatIsNotInTheFuture) {
  const struct {
    const char* line;
    QDateTime now;
    bool local;
    const char* shown;  // Editdatemeteo; empty = no time
    const char* stamp;  // local clock reading for the uiview file
  } cases[] = {
      {"X 071030Z", winterNoon(), false, "07.12.2026  10:30:00", "Dec 07 2026 11:30"},
      {"X 071030Z", winterNoon(), true, "07.12.2026  11:30:00", "Dec 07 2026 11:30"},
      {"X 0710x0Z 071031Z", winterNoon(), false, "07.12.2026  10:31:00", "Dec 07 2026 11:31"},
      // Summer time: two hours; the local day and month carry over.
      {"X 302350Z", QDateTime(QDate(2026, 7, 1), QTime(10, 0)), true, "01.07.2026  01:50:00",
       "Jul 01 2026 01:50"},
      {"X 311800Z", QDateTime(QDate(2027, 1, 1), QTime(10, 0)), false, "31.12.2026  18:00:00",
       "Dec 31 2026 19:00"},
      {"X 281000Z", QDateTime(QDate(2026, 12, 2), QTime(10, 0)), false, "28.11.2026  10:00:00",
       "Nov 28 2026 11:00"},
      {"X 071900Z", winterNoon(), false, "07.12.2026  19:00:00", "Dec 07 2026 20:00"},
      // June has no 31st; no day 99; no hour 25.
      {"X 311200Z", QDateTime(QDate(2026, 7, 1), QTime(10, 0)), false, "", ""},
      {"X 991030Z", winterNoon(), false, "", ""},
      {"X 072530Z", winterNoon(), false, "", ""},
      {"X 71030Z", winterNoon(), false, "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const Decoded d = decode(c.line, {}, 0, c.local, c.now);
    EXPECT_EQ(d.captions.text("Editdatemeteo"), QString::fromLatin1(c.shown));
    EXPECT_EQ(d.time ? MetarReportTime::uiviewStamp(d.time->local) : QString(), QString::fromLatin1(c.stamp));
    if (d.time)
      EXPECT_DOUBLE_EQ(d.companions.DataTime, MetarReportTime::dayCount(d.time->local));
    else
      EXPECT_EQ(d.companions.DataTime, 0);
  }
  EXPECT_DOUBLE_EQ(MetarReportTime::dayCount(QDateTime(QDate(1900, 1, 1), QTime(18, 0))), 2.75);
}

}  // namespace
}  // namespace parlhora
