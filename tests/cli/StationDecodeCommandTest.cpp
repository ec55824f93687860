#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "stations/StationFiles.h"
#include "cli/StationDecodeCommand.h"

namespace parlhora::test {
namespace {

struct Decoded {
  int status;
  QString out;
  QString err;
};

Decoded decode(const QString& kind, const QString& file, const HistoryFileSettings& source = {},
               const UnitsSettings& units = {}) {
  QString out, err;
  QTextStream o(&out), e(&err);
  const int status =
      runDecodeStationFile(kind, file, units, source, QDateTime(QDate(2026, 3, 1), QTime(0, 5)), o, e);
  return {status, out, err};
}

TEST(DecodeCommand, PrintsReadingsCaptionsAndStatus) {
  QTemporaryDir dir;
  writeFile(dir.filePath("history.dat"), W23Rec{}.bytes() + W23Rec{}.bytes());
  const Decoded d = decode("ws23", dir.filePath("history.dat"));
  EXPECT_EQ(d.status, 0);
  EXPECT_EQ(d.err, QString());
  EXPECT_EQ(d.out,
            QString::fromUtf8("TempInt=21\nTempExt=15\nPresAtm=1013.2\nPreTend=0\nVitVent=9\nVitRafa=9\n"
                              "DirVent=90\nHumInt=45\nHumiExt=70\nPluie=-1\nTRes=14.7356\nTRos=9.5276\n"
                              "RecordInterval=0\nDataTime=2023-08-02 22:20\n"
                              "Label6=hPa\nLabel9=0.1*mB/h\nEditdatemeteo=02.08.2023 22:20\n"
                              "CheckBoxTint=Innen-T (°C) = 21.0\nCheckBoxText=Aussen-T (°C) = 15.0\n"
                              "CheckBoxPatm=Luftdruck (hPa) = 1013.2\nCheckBoxTend=Trend : stetig\n"
                              "CheckBoxVent=Wind (km/h) = 9\nCheckBoxRafa=Böen (km/h) = 9\n"
                              "CheckBoxDire=Richtung (°) = 90\nLabelHumInt=Innenfeuchte (%) = 45\n"
                              "CheckBoxHumiExt=Feuchte (%) = 70\nCheckBoxPluie=Regen/24h (mm) = --\n"
                              "CheckBoxTRes=gefühlt (°C) = 14.7\nLabelTros=Taupunkt (°C) = 9.5\n"
                              "Status=0\n"));
}

TEST(DecodeCommand, SettingsUnitsAndFolders) {
  QTemporaryDir dir;
  W28Rec rec;
  rec.pAbs = 973.0f;
  writeFile(dir.filePath("h.dat"), rec.bytes());
  HistoryFileSettings relativeTrimmed;
  relativeTrimmed.absolutePressure = false;
  relativeTrimmed.pressureOffset = 3;
  UnitsSettings inHg;
  inHg.hectopascal = false;
  EXPECT_TRUE(decode("ws28", dir.filePath("h.dat"), relativeTrimmed, inHg).out.contains("PresAtm=29.9439\n"))
      << "1013 hPa in inHg plus 0.03";

  Pro2Rec month;
  writeFile(dir.filePath("2026-03.wlk"), pro2File({month}, {{1, 1}}));
  const Decoded folder = decode("wlk", dir.path());
  EXPECT_EQ(folder.status, 0);
  EXPECT_TRUE(folder.out.contains("DataTime=2026-03-01 10:00\n")) << folder.out.toStdString();

  const Decoded bad = decode("wlk", dir.filePath("h.dat"));
  EXPECT_EQ(bad.status, 1);
  EXPECT_TRUE(bad.out.endsWith("Status=Dateifehler\n"));

  const Decoded missing = decode("ws23", dir.filePath("none.dat"));
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.out, QString());
  EXPECT_FALSE(missing.err.isEmpty());
  EXPECT_EQ(decode("metar", dir.filePath("h.dat")).status, 2);
}

}  // namespace
}  // namespace parlhora::test
