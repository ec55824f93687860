#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstdlib>

#include "platform/backends/DeviceLock.h"
#include "platform/backends/TermiosSerialLines.h"
#include "platform/backends/UucpLock.h"

using namespace parlhora;

namespace {

// A pseudo-terminal pair: the backend opens the slave like a serial port.
class Pty {
 public:
  Pty() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) return;
    const char* name = ::ptsname(master_);
    if (name) slave_ = QString::fromLocal8Bit(name);
  }
  ~Pty() { closeMaster(); }
  Pty(const Pty&) = delete;
  Pty& operator=(const Pty&) = delete;

  bool ok() const { return master_ >= 0 && !slave_.isEmpty(); }
  QString slave() const { return slave_; }
  // The master sees the slave's settings, so the backend's port is not disturbed.
  termios slaveSettings() const {
    termios tio{};
    EXPECT_EQ(::tcgetattr(master_, &tio), 0);
    return tio;
  }
  void closeMaster() {
    if (master_ >= 0) {
      EXPECT_EQ(::close(master_), 0);
    }
    master_ = -1;
  }

 private:
  int master_ = -1;
  QString slave_;
};

}  // namespace

TEST(TermiosSerialLines, OpensRawWithoutFlowControlAndHangsUpOnClose) {
  Pty pty;
  ASSERT_TRUE(pty.ok());
  TermiosSerialLines lines;
  ASSERT_EQ(lines.open(pty.slave()), "");
  EXPECT_TRUE(lines.isOpen());

  const termios tio = pty.slaveSettings();
  EXPECT_EQ(tio.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u);
  EXPECT_EQ(tio.c_iflag & (IXON | IXOFF | IXANY | ICRNL | ISTRIP), 0u);
  EXPECT_EQ(tio.c_oflag & OPOST, 0u);
  EXPECT_EQ(tio.c_cflag & CRTSCTS, 0u);
  EXPECT_EQ(tio.c_cflag & CSIZE, tcflag_t(CS8));
  EXPECT_NE(tio.c_cflag & HUPCL, 0u);
  EXPECT_NE(tio.c_cflag & CLOCAL, 0u);

  lines.close();
  EXPECT_FALSE(lines.isOpen());
  EXPECT_EQ(lines.lastError(), "");
}

TEST(TermiosSerialLines, ModemLineCallsAPtyRefusesReadAsLinesOff) {
  Pty pty;
  ASSERT_TRUE(pty.ok());
  TermiosSerialLines lines;
  ASSERT_EQ(lines.open(pty.slave()), "");
  EXPECT_FALSE(lines.setLines(SerialLines::Dtr | SerialLines::Rts));
  EXPECT_FALSE(lines.clearLines(SerialLines::Dtr | SerialLines::Rts));
  const ModemLines in = lines.readLines();
  EXPECT_FALSE(in.ok);
  EXPECT_FALSE(in.cts || in.dsr || in.dcd);
  // A device without modem lines is still a usable port.
  EXPECT_TRUE(lines.isOpen());
}

TEST(TermiosSerialLines, SecondOpenIsRefusedUntilTheFirstCloses) {
  Pty pty;
  ASSERT_TRUE(pty.ok());
  TermiosSerialLines first;
  TermiosSerialLines second;
  ASSERT_EQ(first.open(pty.slave()), "");
  EXPECT_NE(second.open(pty.slave()), "");
  EXPECT_FALSE(second.isOpen());
  first.close();
  EXPECT_EQ(second.open(pty.slave()), "");
}

TEST(TermiosSerialLines, RemovedDeviceReadsOffAndIsLetGo) {
  Pty pty;
  ASSERT_TRUE(pty.ok());
  TermiosSerialLines lines;
  ASSERT_EQ(lines.open(pty.slave()), "");
  pty.closeMaster();  // the slave is hung up, as a pulled adapter is
  const ModemLines in = lines.readLines();
  EXPECT_FALSE(in.ok);
  EXPECT_FALSE(in.cts || in.dsr || in.dcd);
  EXPECT_FALSE(lines.isOpen());
  EXPECT_FALSE(lines.setLines(SerialLines::Dtr));
}

// Another process of ours holds the port: it is not even opened here (an
// open would raise its DTR), root included; a by-id link shares the lock.
TEST(TermiosSerialLines, PortLockedByAnotherProcessIsLeftAlone) {
  Pty pty;
  ASSERT_TRUE(pty.ok());
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString byId = dir.filePath("by-id-link");
  ASSERT_TRUE(QFile::link(pty.slave(), byId));
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t holder = ::fork();
  ASSERT_GE(holder, 0);
  if (holder == 0) {
    TermiosSerialLines lines(QStringLiteral("/sys/class/tty"), dir.filePath("."));
    const char ok = lines.open(pty.slave()).isEmpty() ? '1' : '0';
    (void)::write(ready[1], &ok, 1);
    ::pause();
    ::_exit(0);
  }
  char ok = 0;
  ASSERT_EQ(::read(ready[0], &ok, 1), 1);
  ASSERT_EQ(ok, '1');

  TermiosSerialLines lines(QStringLiteral("/sys/class/tty"), dir.filePath("."));
  EXPECT_TRUE(lines.open(pty.slave()).startsWith("belegt"));
  EXPECT_TRUE(lines.open(byId).startsWith("belegt"));
  EXPECT_FALSE(lines.isOpen());

  ::kill(holder, SIGKILL);  // a crash lets go of the lock with the process
  int status = 0;
  ASSERT_EQ(::waitpid(holder, &status, 0), holder);
  DeviceLock lock(dir.path());
  EXPECT_EQ(lock.acquire(byId), "");
  ::close(ready[0]);
  ::close(ready[1]);
}

// The exclusive flag is cleared on close, so a pseudo-terminal is usable by
// others afterwards.
TEST(TermiosSerialLines, ClosingClearsTheExclusiveFlag) {
  Pty pty;
  ASSERT_TRUE(pty.ok());
  TermiosSerialLines lines;
  ASSERT_EQ(lines.open(pty.slave()), "");
  lines.close();
  const int fd = ::open(pty.slave().toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  ASSERT_GE(fd, 0);
  int exclusive = -1;
  ASSERT_EQ(::ioctl(fd, TIOCGEXCL, &exclusive), 0);
  EXPECT_EQ(exclusive, 0);
  ::close(fd);
}

TEST(TermiosSerialLines, OpenFailuresGiveAReasonAndHoldNothing) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QFile plain(dir.filePath("plain"));
  ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
  plain.close();

  TermiosSerialLines lines;
  for (const QString& path : {dir.filePath("missing"), dir.filePath("plain"), QStringLiteral("/dev/null")}) {
    const QString reason = lines.open(path);
    EXPECT_FALSE(reason.isEmpty()) << path.toStdString();
    EXPECT_FALSE(lines.isOpen());
  }
  EXPECT_TRUE(lines.open(dir.filePath("missing")).startsWith("fehlt"));
  EXPECT_FALSE(lines.readLines().ok);
  EXPECT_FALSE(lines.setLines(SerialLines::Dtr));
}

// A udev rule's name or a simulator's --link: any link to a tty is a port,
// and a link to a plain file is not, before anything is written to it.
TEST(TermiosSerialLines, OpensThroughSymlinksToCharacterDevicesOnly) {
  Pty pty;
  ASSERT_TRUE(pty.ok());
  QTemporaryDir dir;
  QFile plain(dir.filePath("plain"));
  ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
  plain.close();
  ASSERT_TRUE(QFile::link(pty.slave(), dir.filePath("wx-station")));
  ASSERT_TRUE(QFile::link(dir.filePath("plain"), dir.filePath("not-a-tty")));
  TermiosSerialLines lines(QStringLiteral("/sys/class/tty"), dir.filePath("lock"));
  EXPECT_EQ(lines.open(dir.filePath("wx-station")), "");
  EXPECT_TRUE(lines.isOpen());
  lines.close();
  EXPECT_TRUE(lines.open(dir.filePath("not-a-tty")).startsWith("kein Gerät ("));
  EXPECT_TRUE(lines.open(dir.filePath("gone")).startsWith("fehlt"));
  EXPECT_FALSE(lines.isOpen());
  EXPECT_EQ(plain.size(), 0);
}

TEST(TermiosSerialLines, ListsOnlyTtysWithARealDeviceBehind) {
  QTemporaryDir sys;
  ASSERT_TRUE(sys.isValid());
  QDir root(sys.path());
  auto device = [&](const QString& name, const char* uartType) {
    ASSERT_TRUE(root.mkpath(name + "/device/driver"));
    if (uartType) {
      QFile type(root.filePath(name + "/type"));
      ASSERT_TRUE(type.open(QIODevice::WriteOnly));
      type.write(uartType);
    }
  };
  device("ttyS0", "4\n");
  device("ttyS1", "0\n");  // registered by the driver, no UART found
  device("ttyUSB0", nullptr);
  device("ttyACM0", nullptr);
  device("ttyAMA0", "0\n");  // only ttyS ports carry the 8250 placeholders
  ASSERT_TRUE(root.mkpath("tty1"));
  ASSERT_TRUE(root.mkpath("ptmx"));
  ASSERT_TRUE(root.mkpath("ttyS2/device"));  // a device without driver

  TermiosSerialLines lines(sys.path(), sys.filePath("lock"), sys.filePath("no-by-id"));
  QStringList found = lines.listPorts();
  found.sort();
  EXPECT_EQ(found, (QStringList{"ttyACM0", "ttyAMA0", "ttyS0", "ttyUSB0"}));
  EXPECT_TRUE(TermiosSerialLines(sys.filePath("absent")).listPorts().isEmpty());

  // A USB adapter with a stable name is listed by it.
  ASSERT_TRUE(root.mkpath("dev/serial/by-id"));
  QFile node(root.filePath("dev/ttyUSB0"));
  ASSERT_TRUE(node.open(QIODevice::WriteOnly));
  const QString byId = root.filePath("dev/serial/by-id/usb-FTDI_FT232R_A1-if00-port0");
  ASSERT_TRUE(QFile::link("../../ttyUSB0", byId));
  found = TermiosSerialLines(sys.path(), sys.filePath("lock"), root.filePath("dev/serial/by-id")).listPorts();
  found.sort();
  EXPECT_EQ(found, (QStringList{byId, "ttyACM0", "ttyAMA0", "ttyS0"}));
}

// Another serial program's locks, in another process: its UUCP lock file,
// then its exclusive flag. The port is never opened past the first, and the
// second is left set.
TEST(TermiosSerialLines, OtherProgramsLocksAreHonouredAndOurOwnIsTaken) {
  Pty pty;
  ASSERT_TRUE(pty.ok());
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString uucpFile = dir.filePath(UucpLock::fileName(pty.slave()));
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t other = ::fork();
  ASSERT_GE(other, 0);
  if (other == 0) {
    const int fd = ::open(pty.slave().toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    const char ok = fd >= 0 && ::ioctl(fd, TIOCEXCL) == 0 ? '1' : '0';
    (void)::write(ready[1], &ok, 1);
    ::pause();
    ::_exit(0);
  }
  char ok = 0;
  ASSERT_EQ(::read(ready[0], &ok, 1), 1);
  ASSERT_EQ(ok, '1');
  TermiosSerialLines lines(QStringLiteral("/sys/class/tty"), dir.filePath("device"), {}, {dir.path()});

  {
    QFile lock(uucpFile);
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(qint64(other)).rightJustified(10, ' ') + '\n');
  }
  EXPECT_EQ(lines.open(pty.slave()),
            QStringLiteral("belegt (%1 von PID %2)").arg(UucpLock::fileName(pty.slave())).arg(other));
  EXPECT_TRUE(lines.lastOpenBusy());

  QFile::remove(uucpFile);
  EXPECT_TRUE(lines.open(pty.slave()).startsWith("belegt"));
  EXPECT_TRUE(lines.lastOpenBusy());
  EXPECT_FALSE(lines.isOpen());
  EXPECT_FALSE(QFile::exists(uucpFile));
  // Their flag is still theirs.
  const int probe = ::open(pty.slave().toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  ASSERT_GE(probe, 0);
  int exclusive = 0;
  ASSERT_EQ(::ioctl(probe, TIOCGEXCL, &exclusive), 0);
  EXPECT_EQ(exclusive, 1);
  ::ioctl(probe, TIOCNXCL);  // the other program lets go
  ::close(probe);
  ::kill(other, SIGKILL);
  int status = 0;
  ASSERT_EQ(::waitpid(other, &status, 0), other);

  // Free now: ours while we hold it, and gone with the port. A lock file
  // of a dead process is taken over.
  {
    QFile lock(uucpFile);
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(qint64(other)).rightJustified(10, ' ') + '\n');
  }
  ASSERT_EQ(lines.open(pty.slave()), "");
  QFile mine(uucpFile);
  ASSERT_TRUE(mine.open(QIODevice::ReadOnly));
  EXPECT_EQ(mine.readAll().trimmed().toLongLong(), qint64(::getpid()));
  lines.close();
  EXPECT_FALSE(QFile::exists(uucpFile));
  ::close(ready[0]);
  ::close(ready[1]);
}
