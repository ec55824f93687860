#include "platform/backends/TermiosSerialLines.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <cerrno>
#include <cstring>

#include "platform/backends/DeviceNode.h"

namespace parlhora {
namespace {

QString errnoText(const char* what, int error) { return DeviceNode::errnoText(what, error); }

int toModemBits(unsigned bits) {
  int mask = 0;
  if (bits & SerialLines::Dtr) mask |= TIOCM_DTR;
  if (bits & SerialLines::Rts) mask |= TIOCM_RTS;
  return mask;
}

// The 8250 driver registers every possible UART; only those it found have a
// known type (0 is PORT_UNKNOWN). Reading sysfs avoids opening the port,
// which would raise DTR on a transmitter.
bool uartPresent(const QString& entry) {
  QFile type(entry + QStringLiteral("/type"));
  if (!type.open(QIODevice::ReadOnly)) return true;
  return type.readAll().trimmed() != "0";
}

// Device without modem lines (a pseudo-terminal, some adapters).
bool noModemLines(int error) { return error == ENOTTY || error == EINVAL; }

}  // namespace

TermiosSerialLines::TermiosSerialLines(QString sysfsTty, QString lockDir, QString byIdDir,
                                       QStringList uucpDirs)
    : sysfsTty_(std::move(sysfsTty)),
      byIdDir_(std::move(byIdDir)),
      lock_(std::move(lockDir)),
      uucp_(std::move(uucpDirs)) {}

TermiosSerialLines::~TermiosSerialLines() { close(); }

QStringList TermiosSerialLines::listPorts() const {
  // ttyUSBn numbers change between boots; the by-id links do not.
  QHash<QString, QString> stable;
  const QDir byId(byIdDir_);
  for (const QFileInfo& link :
       byId.entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot, QDir::Name)) {
    const QString target = QFileInfo(link.canonicalFilePath()).fileName();
    if (!target.isEmpty() && !stable.contains(target)) stable.insert(target, link.absoluteFilePath());
  }
  QStringList ports;
  const QDir dir(sysfsTty_);
  const auto names = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
  for (const QString& name : names) {
    const QString entry = dir.filePath(name);
    // Virtual consoles and pseudo-terminals have no device behind them.
    if (!QFileInfo::exists(entry + QStringLiteral("/device/driver"))) continue;
    if (name.startsWith(QLatin1String("ttyS")) && !uartPresent(entry)) continue;
    ports << stable.value(name, name);
  }
  return ports;
}

QString TermiosSerialLines::open(const QString& path) {
  close();
  lastOpenBusy_ = false;
  // A path may be any link to a tty, never a plain file to scribble on.
  if (const QString problem = DeviceNode::characterDeviceProblem(path); !problem.isEmpty()) return problem;
  // Before the open: opening alone raises DTR on a port someone else keys.
  QString locked = lock_.acquire(path);
  if (locked.isEmpty()) locked = uucp_.acquire(path);
  if (!locked.isEmpty()) {
    lock_.release();
    lastOpenBusy_ = true;
    return locked;
  }
  const QByteArray native = QFile::encodeName(path);
  // O_NONBLOCK: no wait for a carrier, and no raising of the lines while
  // another program has the port open.
  const int fd = ::open(native.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    const int error = errno;
    uucp_.release();
    lock_.release();
    lastOpenBusy_ = error == EBUSY;
    return errnoText("open", error);
  }

  bool exclusive = false;
  auto fail = [this, fd, &exclusive](const char* what, int error) {
    QString reason = errnoText(what, error);
    // Another program's exclusive flag is theirs; only our own is taken back.
    if (exclusive) ::ioctl(fd, TIOCNXCL);
    if (::close(fd) != 0) reason += QStringLiteral(", ") + errnoText("close", errno);
    uucp_.release();
    lock_.release();
    return reason;
  };
  // Root gets past another program's exclusive flag; it must still keep out.
  int othersExclusive = 0;
  if (::ioctl(fd, TIOCGEXCL, &othersExclusive) == 0 && othersExclusive) {
    lastOpenBusy_ = true;
    return fail("TIOCEXCL", EBUSY);
  }
  // TIOCEXCL does not hold back root; the advisory lock does, and is what
  // other serial programs check. A port held that way is closed untouched.
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    lastOpenBusy_ = true;
    return fail("flock", errno);
  }
  // Linux raised DTR and RTS on open; a transmitter must not key now.
  int mask = TIOCM_DTR | TIOCM_RTS;
  if (::ioctl(fd, TIOCMBIC, &mask) != 0 && !noModemLines(errno)) return fail("TIOCMBIC", errno);
  if (::ioctl(fd, TIOCEXCL) != 0) return fail("TIOCEXCL", errno);
  exclusive = true;

  termios tio{};
  if (::tcgetattr(fd, &tio) != 0) return fail("tcgetattr", errno);
  ::cfmakeraw(&tio);
  tio.c_iflag &= ~(IXON | IXOFF | IXANY);
  tio.c_cflag &= ~CRTSCTS;
  // CLOCAL: a dropping carrier must not hang up the port we sense it on.
  tio.c_cflag |= CLOCAL | CREAD | HUPCL;
  if (::tcsetattr(fd, TCSANOW, &tio) != 0) return fail("tcsetattr", errno);

  fd_ = fd;
  return {};
}

bool TermiosSerialLines::modemIoctl(unsigned long request, unsigned bits) {
  if (fd_ < 0) return false;
  int mask = toModemBits(bits);
  if (mask == 0) return true;
  if (::ioctl(fd_, request, &mask) == 0) return true;
  const int error = errno;
  lastError_ = errnoText(request == TIOCMBIS ? "TIOCMBIS" : "TIOCMBIC", error);
  releaseIfGone(error);
  return false;
}

bool TermiosSerialLines::setLines(unsigned bits) { return modemIoctl(TIOCMBIS, bits); }

bool TermiosSerialLines::clearLines(unsigned bits) { return modemIoctl(TIOCMBIC, bits); }

ModemLines TermiosSerialLines::readLines() {
  ModemLines lines;
  if (fd_ < 0) return lines;
  int status = 0;
  if (::ioctl(fd_, TIOCMGET, &status) != 0) {
    releaseIfGone(errno);
    return lines;
  }
  lines.cts = (status & TIOCM_CTS) != 0;
  lines.dsr = (status & TIOCM_DSR) != 0;
  lines.dcd = (status & TIOCM_CAR) != 0;
  lines.ok = true;
  return lines;
}

// A pulled USB adapter keeps its device name reserved while we hold the
// descriptor; letting go lets it come back under the same name.
void TermiosSerialLines::releaseIfGone(int error) {
  if (error == EIO || error == ENXIO || error == ENODEV) close();
}

void TermiosSerialLines::close() {
  if (fd_ < 0) return;
  const int fd = fd_;
  fd_ = -1;
  // The exclusive flag outlives our descriptor on a pseudo-terminal, which
  // would keep everybody else out of it; a hung-up port refuses this, harmlessly.
  ::ioctl(fd, TIOCNXCL);
  // The descriptor is gone whatever close() reports (Linux never retries it).
  if (::close(fd) != 0) lastError_ = errnoText("close", errno);
  uucp_.release();
  lock_.release();
}

}  // namespace parlhora
