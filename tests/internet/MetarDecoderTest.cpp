#include <gtest/gtest.h>

#include <sstream>

#include "internet/MetarGroups.h"
#include "internet/MetarReadings.h"

namespace parlhora {
namespace {

constexpr int M = MetarGroups::kMissing;

// Direction, speed, gust, speed factor, temperature, dew point, pressure
// group, pressure factor and flags of a report; "-" = missing.
std::string groups(const char* line) {
  const MetarGroups g = MetarGroups::parse(QString::fromLatin1(line));
  std::ostringstream s;
  for (int v : {g.direction, g.speed, g.gust}) (v == M ? s << '-' : s << v) << ' ';
  s << g.speedFactor << ' ';
  for (int v : {g.temperature, g.dewPoint, g.pressureGroup}) (v == M ? s << '-' : s << v) << ' ';
  s << g.pressureFactor << ' ' << int{g.flags};
  return s.str();
}

TEST(MetarGroups, EachGroupIsTheFirstWordThatMatchesIt) {
  // clang-format off
  const char* const cases[][2] = {
      {"LFPG 071030Z 24015G25KT 9999 12/08 Q1013", "240 15 25 1.852 12 8 1013 1 0"},
      {"X VRB03KT", "999 3 - 1.852 - - - 0 0"},
      {"X 27005MPS 27099KT", "270 5 - 3.6 - - - 0 0"},
      {"X 27010KMH", "270 10 - 1 - - - 0 0"},
      {"X /////KT", "- - - 1.852 - - - 0 0"},
      {"X 500G10KT", "500 - 10 1.852 - - - 0 0"},
      {"X M05/M07", "- - - 0 -5 -7 - 0 0"},
      {"X 12/// 10/05", "- - - 0 10 5 - 0 0"},
      {"X 1/2SM M1/4SM", "- - - 0 -1 - - 0 0"},
      {"X AB/12 10/05", "- - - 0 - - - 0 0"},
      {"X A2992", "- - - 0 - - 2992 0.338639 0"},
      {"X Q//// A//// Q0998", "- - - 0 - - 998 1 0"},
      {"X -SHRA +SN", "- - - 0 - - - 0 5"},
      {"X +SN", "- - - 0 - - - 0 10"},
      {"X NOSIG 9999 BR", "- - - 0 - - - 0 32"},
      {"X VCFG", "- - - 0 - - - 0 64"},
      {"X +GR", "- - - 0 - - - 0 18"},
      {"X -DZ RA", "- - - 0 - - - 0 1"},
      // Bad input: nothing converts, nothing overruns.
      {"M", "- - - 0 - - - 0 0"},
      {"X M / // ///", "- - - 0 - - - 0 0"},
      {"X A B C D E", "- - - 0 - - - 0 0"},
      {"X  KT G KMH MPS", "- - - 1.852 - - - 0 0"},
      {"X GKT", "- - - 1.852 - - - 0 0"},
      {"X 12/08\x01\xff Q1013\t", "- - - 0 12 - - 0 0"},
      {"X 99999999999KT 9999999/99999", "999 - - 1.852 - - - 0 0"},
  };
  // clang-format on
  for (const auto& c : cases) EXPECT_EQ(groups(c[0]), c[1]) << c[0];
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
  d.snap.TRos = 123;  // a report without a dew point makes it absent
  const MetarReadings::Options o{units, offset, local, now};
  d.time = MetarReadings::apply(MetarGroups::parse(QString::fromLatin1(line)), o, d.snap, d.companions,
                                d.captions);
  return d;
}

// The captions of a decode joined in window order, for one-line comparison.
QString captionLine(const Captions& c) {
  QStringList parts;
  for (const char* name : {"CheckBoxText", "CheckBoxPatm", "CheckBoxVent", "CheckBoxRafa", "CheckBoxDire",
                           "CheckBoxTRes", "CheckBoxHumiExt", "LabelTros"})
    parts << c.text(name);
  return parts.join(" | ");
}

TEST(MetarReadings, ReadingsAndCaptionsInEachUnit) {
  UnitFactors us;
  us.RadioButtonTfClick();
  us.RadioButtonPiClick();
  us.RadioButtonVmClick();
  // clang-format off
  const struct {
    const char* line;
    const UnitFactors units;
    int offset;
    double temp, dew, felt, pressure, wind, gust;
    int direction, humidity;
    const char* captions;
  } cases[] = {
      {"LFPG 071030Z 24015G25KT 9999 12/08 Q1013", {}, 0, 12, 8, 9.3234, 1013, 27.78, 46.3, 240, 77,
       "Aussen-T (°C) = 12.0 | Luftdruck (hPa) = 1013.0 | Wind (km/h) = 28 | Böen (km/h) = 46 | "
       "Richtung (°) = 240 | gefühlt (°C) = 9.3 | Feuchte (%) = 77 | Taupunkt (°C) = 8.0"},
      {"LFPG 071030Z 24015G25KT 9999 12/08 Q1013", us, 3, 53.6, 46.4, 48.8053, 29.94389, 17.2617, 28.7695, 240, 77,
       "Aussen-T (°F) = 53.6 | Luftdruck (inHg) = 29.94 | Wind (mph) = 17 | Böen (mph) = 29 | "
       "Richtung (°) = 240 | gefühlt (°F) = 48.8 | Feuchte (%) = 77 | Taupunkt (°F) = 46.4"},
      {"KXYZ 071030Z VRB03KT 10SM 12/12 A2992 RMK", {}, -2, 12, 12, 11.8785, 1011.2079, 5.556, 0, 999, 99,
       "Aussen-T (°C) = 12.0 | Luftdruck (hPa) = 1011.2 | Wind (km/h) = 6 | Böen (km/h) = -- | "
       "Richtung (°) = variabel | gefühlt (°C) = 11.9 | Feuchte (%) = 99 | Taupunkt (°C) = 12.0"},
      {"X 00002KT 10/M02", {}, 0, 10, -2, -200, 900, 3.704, 0, 0, 43,
       "Aussen-T (°C) = 10.0 | Luftdruck (hPa) = -- | Wind (km/h) = 4 | Böen (km/h) = -- | "
       "Richtung (°) = 0 | gefühlt (°C) = -- | Feuchte (%) = 43 | Taupunkt (°C) = -2.0"},
      {"LFPG NIL", us, 0, -200, -200, -200, 900 * 0.02953, -1, 0, -1, -1,
       "Aussen-T (°F) = -- | Luftdruck (inHg) = -- | Wind (mph) = -- | Böen (mph) = -- | "
       "Richtung (°) = -- | gefühlt (°F) = -- | Feuchte (%) = -- | Taupunkt (°F) = --"},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const Decoded d = decode(c.line, c.units, c.offset);
    const double got[] = {d.snap.TempExt, d.snap.TRos,    d.snap.TRes,
                          d.snap.PresAtm, d.snap.VitVent, d.snap.VitRafa};
    const double want[] = {c.temp, c.dew, c.felt, c.pressure, c.wind, c.gust};
    for (int i = 0; i < 6; ++i) EXPECT_NEAR(got[i], want[i], 1e-3) << "reading " << i;
    EXPECT_EQ(d.snap.DirVent, c.direction);
    EXPECT_EQ(d.snap.HumiExt, c.humidity);
    EXPECT_EQ(captionLine(d.captions), QString::fromUtf8(c.captions));
  }
}

TEST(MetarReadings, PresentWeatherCaption) {
  // clang-format off
  const char* const cases[][2] = {
      {"-SHRA", "Regen leicht"}, {"+SN", "Schnee stark"}, {"BR", "Nebel"}, {"RA", "Regen mässig"}, {"+GR", "Hagel"},
      {"-RASN", "Schnee leicht"}, {"-DZ", "Niederschläge = --"}, {"CAVOK", "Niederschläge = --"}};
  // clang-format on
  for (const auto& c : cases)
    EXPECT_EQ(decode(qPrintable(QStringLiteral("X ") + c[0])).captions.text("CheckBoxPluie"),
              QString::fromUtf8(c[1]));
}

// Red flags of temperature, felt temperature, pressure, wind and gust, as "10100".
QString redFlags(const Captions& c) {
  QString flags;
  for (const char* name : {"CheckBoxText", "CheckBoxTRes", "CheckBoxPatm", "CheckBoxVent", "CheckBoxRafa"})
    flags += c.red(name) ? u'1' : u'0';
  return flags;
}

TEST(MetarReadings, OutOfRangeCaptionsAreRed) {
  UnitFactors fahrenheit;
  fahrenheit.RadioButtonTfClick();
  const struct {
    const char* line;
    const UnitFactors units;
    const char* red;
  } cases[] = {
      {"X 24015G25KT 70/08 Q0900", {}, "11100"},
      {"X 240250G260KT M51/M60 Q1051", {}, "11111"},
      // The felt temperature is judged by the outside temperature's range.
      {"X 24015G25KT M50/M60 Q1050", {}, "01000"},
      {"X 02KT M50/M60", fahrenheit, "00000"},  // -50 °C is -58 °F: still good
      {"X NIL", {}, "00000"},                   // "--" is never red
  };
  for (const auto& c : cases) EXPECT_EQ(redFlags(decode(c.line, c.units).captions), c.red) << c.line;
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
    EXPECT_DOUBLE_EQ(d.companions.DataTime, d.time ? MetarReportTime::dayCount(d.time->local) : 0);
  }
}

}  // namespace
}  // namespace parlhora
