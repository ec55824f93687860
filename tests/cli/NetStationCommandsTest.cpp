#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include "cli/DecodeCommand.h"
#include "cli/SayCommand.h"
#include "stations/StationTime.h"
#include "stations/net/NetStateFile.h"
#include "stations/net/UploadParser.h"

using namespace parlhora;

namespace {

void write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

QStringList decode(const QString& folder, const QByteArray& upload, int expectedStatus) {
  write(QDir(folder).filePath("upload.txt"), upload);
  QString out, err;
  QTextStream o(&out), e(&err);
  EXPECT_EQ(runDecodeCommand({"net", QDir(folder).filePath("upload.txt")}, folder, {}, o, e), expectedStatus);
  o.flush();
  return out.split('\n', Qt::SkipEmptyParts);
}

}  // namespace

// Both protocols, both unit systems; what an upload lacks is absent.
TEST(DecodeNet, ReadingsInTheUsersUnits) {
  QTemporaryDir folder;
  const QStringList metric = decode(
      folder.path(), "PASSKEY=K&tempf=50&humidity=65&baromrelin=29.92&windspeedmph=10&winddir=90\n", 0);
  for (const char* line :
       {"TempExt=10", "TempInt=-200", "PresAtm=1013.207888", "VitVent=16.09344", "VitRafa=0", "DirVent=90",
        "HumiExt=65", "HumInt=255", "TRes=-200", "PreTend=255", "Pluie=-1",
        "CheckBoxText=Aussen-T (°C) = 10.0", "CheckBoxTint=Innen-T (°C) = --", "Status=0"})
    EXPECT_TRUE(metric.contains(line)) << line << "\n" << metric.join('\n').toStdString();
  EXPECT_EQ(metric.first(), "TempExt=10");

  write(folder.filePath("parlhora.ini"),
        "[PARLHORA V2.2.3]\r\nUNITTC=N\r\nUNITPM=N\r\nUNITVK=N\r\nUNITRM=N\r\n");
  const QStringList imperial = decode(
      folder.path(),
      "/weatherstation/"
      "updateweatherstation.php?ID=K&PASSWORD=p&tempf=50&baromin=29.92&windspeedmph=10&action=updateraw",
      0);
  for (const char* line : {"TempExt=50", "PresAtm=29.920029", "VitVent=10", "Status=0"})
    EXPECT_TRUE(imperial.contains(line)) << line << "\n" << imperial.join('\n').toStdString();
  EXPECT_TRUE(decode(folder.path(), "tempf=nan&junk", 1).contains("Status=keine Messwerte"));
}

// A one-shot announcement speaks what the running program last received.
TEST(SayNet, SpeaksTheKeptUploadAndNothingItLacked) {
  QTemporaryDir folder;
  QByteArray ini = "[PARLHORA V2.2.3]\r\nDATE=N\r\nILEST=N\r\nTIME=N\r\nMETEO=NET\r\n";
  for (const char* box : {"TEMPINT", "TEMPEXT", "PRESATM", "PRETEND", "VITVENT", "DIRVENT", "HUMIDI"})
    ini += QByteArray("NET_") + box + "=Y\r\n";
  write(folder.filePath("parlhora.ini"), ini);
  NetState state;
  state.upload = UploadParser::parse("tempf=50&baromrelin=29.92&windspeedmph=10&winddir=90");
  state.arrival = StationTime::fromDateTime(QDateTime(QDate(2026, 3, 5), QTime(14, 30)));
  ASSERT_TRUE(NetStateFile::save(folder.path(), state));
  QString out, err;
  QTextStream o(&out), e(&err);
  EXPECT_EQ(runSayCommand({"--dry-run", "--at", "2026-03-05 14:35"}, folder.path(), o, e), 0)
      << err.toStdString();
  o.flush();
  for (const char* piece : {"piece son_ext_temp", "piece son_pressure", "piece son_wind", "piece son_east"})
    EXPECT_TRUE(out.contains(piece)) << piece << "\n" << out.toStdString();
  for (const char* piece : {"son_int_temp", "son_humidity", "son_steady", "son_rising", "son_falling"})
    EXPECT_FALSE(out.contains(piece)) << piece;
}
