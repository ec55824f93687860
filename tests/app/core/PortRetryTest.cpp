#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

#include "app/ParlhoraCore.h"
#include "fakes/FakePlatform.h"
#include "platform/backends/TermiosSerialLines.h"

using namespace parlhora;

namespace {

// A real pseudo-terminal whose slave stands in for a USB adapter.
struct Pty {
  Pty() {
    master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0)
      slave = QString::fromLocal8Bit(::ptsname(master));
  }
  ~Pty() { closeMaster(); }
  void closeMaster() {
    if (master >= 0) ::close(master);
    master = -1;
  }
  int master = -1;
  QString slave;
};

int countOf(const QStringList& lines, const QString& part) {
  int n = 0;
  for (const QString& line : lines) n += line.contains(part) ? 1 : 0;
  return n;
}

}  // namespace

// The adapter enumerates 15 s after the program started, later its lead is
// pulled: the program opens it without a restart, notices the loss, and the
// file keeps COM= throughout.
TEST(PortRetry, PortMissingAtStartIsOpenedWhenItAppearsAndRetriedWhenLost) {
  QTemporaryDir home, dev;
  ASSERT_TRUE(home.isValid() && dev.isValid());
  {
    QFile ini(QDir(home.path()).filePath("parlhora.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[PARLHORA V2.2.3]\r\nCOM=ttyLATE\r\n");
  }
  FakePlatform fakes(home.path(), QDateTime(QDate(2026, 3, 5), QTime(14, 34, 58)));
  TermiosSerialLines lines(QStringLiteral("/sys/class/tty"), dev.path());
  PlatformSet set = fakes.set();
  PlatformSet real{set.clock,         set.waveOut,     lines,           set.notifier, set.autostart,
                   set.settingsStore, set.stationPort, set.programFolder, {}};
  ParlhoraCore::Options options;
  options.settingsExisted = true;
  ParlhoraCore core(real, options);
  SerialControl& serial = core.announcer().serial();
  serial.setDeviceFolder(dev.path());

  core.FormCreate();
  fakes.clock.runFor(1000);
  ASSERT_TRUE(core.loaded());
  EXPECT_TRUE(serial.portMissing());
  EXPECT_TRUE(core.status().text().startsWith("Fehler: COM-Port ttyLATE: fehlt"));
  EXPECT_EQ(serial.indicators().labelCOM, "ttyLATE (nicht offen)");
  EXPECT_TRUE(fakes.notifier.boxes.isEmpty());
  // Meanwhile announcements go out unkeyed, and the status says why.
  core.announcer().sequencer().Button1Click();
  for (int i = 0; i < 120 && core.announcer().sequencer().busy(); ++i) fakes.clock.runFor(500);
  EXPECT_FALSE(core.announcer().sequencer().busy());
  EXPECT_TRUE(core.status().text().startsWith("Fehler: COM-Port ttyLATE: fehlt"));

  fakes.clock.runFor(15000);
  Pty pty;
  ASSERT_FALSE(pty.slave.isEmpty());
  ASSERT_TRUE(QFile::link(pty.slave, QDir(dev.path()).filePath("ttyLATE")));
  fakes.clock.runFor(10000);
  EXPECT_TRUE(serial.portOpen());
  EXPECT_EQ(serial.indicators().labelCOM, "ttyLATE");
  EXPECT_EQ(countOf(core.log().lines(), "COM-Port ttyLATE: fehlt"), 1);
  EXPECT_EQ(countOf(core.log().lines(), "COM-Port ttyLATE wieder offen"), 1);

  pty.closeMaster();  // the slave hangs up as a pulled adapter does
  fakes.clock.runFor(2000);
  EXPECT_TRUE(serial.portMissing());
  EXPECT_EQ(countOf(core.log().lines(), "COM-Port ttyLATE: Verbindung verloren"), 1);
  fakes.clock.runFor(30000);
  EXPECT_FALSE(serial.portOpen());

  ASSERT_TRUE(core.SaveSettings());
  QFile ini(QDir(home.path()).filePath("parlhora.ini"));
  ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
  EXPECT_TRUE(ini.readAll().contains("\r\nCOM=ttyLATE\r\n"));
}
