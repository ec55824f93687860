#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include "cli/SayCommand.h"

using namespace parlhora;

// The Weather Monitor II as the simulator plays it on a real pseudo-terminal,
// reached through the simulator's symlink as a udev name would be: a dry run
// reads it before speaking and speaks its readings.
TEST(SayStation, DryRunSpeaksTheSimulatorsReadings) {
  QTemporaryDir home;
  {
    QFile readings(QDir(home.path()).filePath("readings.txt"));
    ASSERT_TRUE(readings.open(QIODevice::WriteOnly));
    readings.write("0 tin=70.0 tout=50.0 baro=29.92 wind=12 dir=180 trend=steady\n");
  }
  QProcess sim;
  const QString link = QDir(home.path()).filePath("wx-station");
  sim.start(PARLHORA_BINARY_DIR "/station-sim",
            {"--readings", QDir(home.path()).filePath("readings.txt"), "--link", link});
  ASSERT_TRUE(sim.waitForReadyRead(5000));
  const QString device = QString::fromLocal8Bit(sim.readLine()).trimmed();
  ASSERT_EQ(device, link);
  {
    QFile ini(QDir(home.path()).filePath("parlhora.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[PARLHORA V2.2.3]\r\nDATE=N\r\nILEST=N\r\nTIME=N\r\nMETEO=MON\r\nMETCOMM=" + device.toUtf8() +
              "\r\nTEMPEXT=Y\r\nVITVENT=Y\r\nDIRVENT=Y\r\n");
  }
  QString out, err;
  QTextStream o(&out), e(&err);
  EXPECT_EQ(runSayCommand({"--dry-run"}, home.path(), o, e), 0) << err.toStdString();
  o.flush();
  QStringList pieces;
  for (const QString& line : out.split('\n'))
    if (line.startsWith("piece ")) pieces << line.mid(6);
  // 50 °F is 10 °C, 12 mph is 19 km/h.
  EXPECT_EQ(pieces, (QStringList{"son_ext_temp", "son10", "son_degrees", "son_wind", "son19", "son_kmh",
                                 "son_dir", "son_south"}));
  sim.kill();
  sim.waitForFinished(5000);
}
