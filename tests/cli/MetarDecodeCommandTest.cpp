#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/AnnouncerSettings.h"
#include "cli/MetarDecodeCommand.h"

namespace parlhora {
namespace {

struct Outcome {
  int exit;
  QString out, err;
};

Outcome decodeMetar(const QString& file, AnnouncerSettings& settings, const QString& folder) {
  QString out, err;
  QTextStream o(&out), e(&err);
  const int exit = runDecodeMetar(file, settings, folder, QDir(folder).filePath("weather"), o, e);
  return {exit, out, err};
}

TEST(MetarDecodeCommand, PrintsReadingsCaptionsAndStatus) {
  QTemporaryDir dir;
  // An hour ago, so the report is this month's whatever day the test runs.
  const QDateTime utc = QDateTime::currentDateTimeUtc().addSecs(-3600);
  const QString word = utc.toString("ddHHmm") + "Z";
  const QString shown = utc.toString("dd.MM.yyyy  HH:mm:00");
  QFile page(dir.filePath("page.html"));
  ASSERT_TRUE(page.open(QIODevice::WriteOnly));
  page.write(("<p>\n<b>EDDF " + word + " 24015G25KT 9999 12/08 Q1013</b>\n").toLatin1());
  page.close();

  AnnouncerSettings settings;
  settings.units.kmh = false;
  settings.metar.address = "https://aviationweather.gov/api/data/metar?ids=EDDF";
  settings.metar.pressureOffset = 2;
  settings.metar.timeBase = 0;
  const Outcome r = decodeMetar(page.fileName(), settings, dir.path());
  EXPECT_EQ(r.exit, 0);
  EXPECT_EQ(r.out,
            QStringLiteral("TempExt=12\nTRos=8\nTRes=9.323402\nPresAtm=1015\nVitVent=17.261692\n"
                           "VitRafa=28.769487\nDirVent=240\nHumiExt=77\nWeatherFlags=0\n"
                           "LabelICAO=Airport code = EDDF\nEditdatemeteo=") +
                shown +
                QStringLiteral("\nCheckBoxText=Aussen-T (°C) = 12.0\nCheckBoxPatm=Luftdruck (hPa) = 1015.0\n"
                               "CheckBoxVent=Wind (mph) = 17\nCheckBoxRafa=Böen (mph) = 29\n"
                               "CheckBoxDire=Richtung (°) = 240\nCheckBoxTRes=gefühlt (°C) = 9.3\n"
                               "CheckBoxPluie=Niederschläge = --\nCheckBoxHumiExt=Feuchte (%) = 77\n"
                               "LabelTros=Taupunkt (°C) = 8.0\nStatus=0\n"));
  QFile cw(dir.filePath("metar_cw.txt"));
  ASSERT_TRUE(cw.open(QIODevice::ReadOnly));
  EXPECT_EQ(cw.readAll(), " TEMP 12C = QNH 1013hPa = WS 28kmh = WCT 9C = HUM 77 \r\n");

  // A page for another airport, and a file that is not there.
  settings.metar.address = "https://aviationweather.gov/api/data/metar?ids=LOWW";
  const Outcome other = decodeMetar(page.fileName(), settings, dir.path());
  EXPECT_EQ(other.exit, 1);
  EXPECT_TRUE(other.out.endsWith("Status=6\n"));
  EXPECT_TRUE(other.err.contains("Dateifehler #6"));
  EXPECT_TRUE(decodeMetar(dir.filePath("absent"), settings, dir.path()).out.endsWith("Status=2\n"));
}

}  // namespace
}  // namespace parlhora
