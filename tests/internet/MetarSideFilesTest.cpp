#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "fakes/FakeNotifier.h"
#include "internet/MetarReadings.h"
#include "internet/MetarSideFiles.h"

namespace parlhora {
namespace {

struct Lines {
  QString uiview, plain;
};

Lines sideLines(const char* report, const UnitFactors& units = {}) {
  const MetarGroups g = MetarGroups::parse(QString::fromLatin1(report));
  WeatherSnapshot snap;
  SnapshotCompanions companions;
  Captions captions;
  MetarReadings::apply(g, {units, 0, false, QDateTime(QDate(2026, 12, 7), QTime(12, 0))}, snap, companions,
                       captions);
  return {MetarSideFiles::uiviewWeather(g, captions, snap),
          MetarSideFiles::plainLine(g, captions, snap, units)};
}

TEST(MetarSideFiles, FieldsOfTheUiviewAndPlainLines) {
  UnitFactors fahrenheit;
  fahrenheit.RadioButtonTfClick();
  fahrenheit.RadioButtonVmClick();
  // clang-format off
  const struct {
    const char* report;
    const UnitFactors units;
    const char *uiview, *plain;
  } cases[] = {
      {"LFPG 071030Z 24015G25KT 9999 12/08 Q1013", {}, "240/017g029t054r000p...P...h77b10130",
       " TEMP 12C = QNH 1013hPa = WS 28kmh = WCT 9C = HUM 77 "},
      // The plain line speaks °C whatever the window shows.
      {"LFPG 071030Z 24015G25KT 9999 12/08 Q1013", fahrenheit, "240/017g029t054r000p...P...h77b10130",
       " TEMP 12C = QNH 1013hPa = WS 28kmh = WCT 9C = HUM 77 "},
      {"X 00505KT M15/M20 Q0998", {}, "005/006g...t005r000p...P...h66b09980",
       " TEMP -15C = QNH 998hPa = WS 9kmh = WCT -21C = HUM 66 "},
      // An A group is in hundredths of an inch; both files speak hPa.
      {"X VRB03KT M25/M30 A2992 -RA", {}, ".../003g...t-13r005p...P...h63b10132",
       " TEMP -25C = QNH 1013hPa = WS 6kmh = WCT -30C = HUM 63 "},
      {"X 36010KT 30/M12 +RA", {}, "360/012g...t086r060p...P...h06b.....", " TEMP 30C = WS 19kmh = WCT 33C = HUM 6 "},
      {"X 35/M10 BR", {}, ".../...g...t095r020p...P...h05b.....", " TEMP 35C = HUM 5 "},
      {"X 50/M50 -DZ", {}, ".../...g...t122r000p...P...h01b.....", " TEMP 50C = HUM 0 "},
      {"X M80/M90", {}, ".../...g...t-99r000p...P...h..b.....", " TEMP -80C "},
      // Nonsense values fill their field instead of shifting the rest.
      {"X 360999G999KT 999/10", {}, "360/999g999t999r000p...P...h01b.....",
       " TEMP 999C = WS 1850kmh = WCT 1916C = HUM 0 "},
      {"X NIL", {}, ".../...g...t...r000p...P...h..b.....", " "},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.report);
    const Lines l = sideLines(c.report, c.units);
    EXPECT_EQ(l.uiview, QString::fromLatin1(c.uiview));
    EXPECT_EQ(l.plain, QString::fromLatin1(c.plain));
  }
}

QByteArray read(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

TEST(MetarSideFiles, EachWriteIsTriedOnItsOwn) {
  QTemporaryDir dir;
  const QString program = dir.filePath("program");
  const QString weather = dir.filePath("weather");
  QDir().mkpath(program);
  FakeNotifier notifier;

  MetarSideFiles::write(program, weather, "Dec 07 2026 11:30", "UI", " P ", notifier);
  EXPECT_EQ(read(program + "/metar_uiview.txt"), "Dec 07 2026 11:30\r\nUI\r\n");
  EXPECT_EQ(read(program + "/metar_cw.txt"), " P \r\n");
  EXPECT_FALSE(QFile::exists(weather + "/metar_cw.txt"));  // no public folder, no copy, no box
  EXPECT_TRUE(notifier.boxes.isEmpty());

  // A program folder that cannot be written: its two boxes, and the public
  // copies are written all the same.
  QDir().mkpath(weather);
  MetarSideFiles::write(dir.filePath("absent/folder"), weather, "S", "U", " ", notifier);
  EXPECT_EQ(notifier.boxes, (QStringList{"Unmöglich um metar_uiview.txt zu speichern",
                                         "Unmöglich um metar_cw.txt zu speichern"}));
  EXPECT_EQ(read(weather + "/metar_uiview.txt"), "S\r\nU\r\n");
  EXPECT_EQ(read(weather + "/metar_cw.txt"), " \r\n");
  EXPECT_EQ(QDir(weather).entryList(QDir::Files).size(), 2);  // no temporary left behind
}

}  // namespace
}  // namespace parlhora
