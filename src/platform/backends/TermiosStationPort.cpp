#include "platform/backends/TermiosStationPort.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>
#include <QFile>
#include <cerrno>

#include "platform/backends/DeviceNode.h"

namespace parlhora {
namespace {

QString errnoText(const char* what, int error) { return DeviceNode::errnoText(what, error); }

speed_t speedFor(int baud) {
  switch (baud) {
    case 1200:
      return B1200;
    case 2400:
      return B2400;
    case 4800:
      return B4800;
    case 9600:
      return B9600;
    case 19200:
      return B19200;
    default:
      return 0;
  }
}

// A pty whose other end closed, or a pulled USB adapter.
bool deviceGone(int error) { return error == EIO || error == ENXIO || error == ENODEV || error == EBADF; }

}  // namespace

TermiosStationPort::~TermiosStationPort() { close(); }

QString TermiosStationPort::open(const QString& path, int baud) {
  close();
  const speed_t speed = speedFor(baud);
  if (speed == 0) return QStringLiteral("%1 Baud nicht möglich").arg(baud);
  if (const QString problem = DeviceNode::characterDeviceProblem(path); !problem.isEmpty()) return problem;
  const QByteArray native = QFile::encodeName(path);
  const int fd = ::open(native.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return errnoText("Öffnen", errno);
  auto fail = [fd](const char* what, int error) {
    QString reason = errnoText(what, error);
    ::close(fd);
    return reason;
  };
  // The same lock as the main port's: a device already keying the
  // transmitter cannot become the station port, nor the other way round.
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) return fail("Sperren", errno);
  if (::ioctl(fd, TIOCEXCL) != 0) return fail("Sperren", errno);
  termios tio{};
  if (::tcgetattr(fd, &tio) != 0) return fail("Einstellen", errno);
  ::cfmakeraw(&tio);
  tio.c_iflag &= ~(IXON | IXOFF | IXANY);
  tio.c_cflag &= ~(CRTSCTS | CSTOPB | PARENB | CSIZE);
  tio.c_cflag |= CS8 | CLOCAL | CREAD;
  tio.c_cc[VMIN] = 0;
  tio.c_cc[VTIME] = 0;
  if (::cfsetispeed(&tio, speed) != 0 || ::cfsetospeed(&tio, speed) != 0) return fail("Einstellen", errno);
  if (::tcsetattr(fd, TCSANOW, &tio) != 0) return fail("Einstellen", errno);
  ::tcflush(fd, TCIOFLUSH);
  fd_ = fd;
  return {};
}

bool TermiosStationPort::write(const QByteArray& bytes) {
  qsizetype done = 0;
  int stalls = 0;
  while (fd_ >= 0 && done < bytes.size()) {
    const ssize_t n = ::write(fd_, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
    if (n > 0) {
      done += n;
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno != EAGAIN) {
      releaseIfGone(errno);
      return false;
    }
    // A full output queue at 2400 baud drains in milliseconds; a port that
    // stays full is stuck (flow control, dead adapter).
    pollfd p{fd_, POLLOUT, 0};
    if (++stalls > 5 || ::poll(&p, 1, 50) < 0) return false;
  }
  return fd_ >= 0;
}

std::optional<QByteArray> TermiosStationPort::read(int max, int waitMs) {
  if (fd_ < 0 || max <= 0) return std::nullopt;
  if (waitMs > 0) {
    pollfd p{fd_, POLLIN, 0};
    const int r = ::poll(&p, 1, waitMs);
    if (r < 0 && errno != EINTR) return std::nullopt;
    if (r > 0 && (p.revents & (POLLERR | POLLNVAL))) {
      close();
      return std::nullopt;
    }
  }
  QByteArray buffer(max, Qt::Uninitialized);
  const ssize_t n = ::read(fd_, buffer.data(), static_cast<size_t>(max));
  if (n > 0) {
    buffer.truncate(n);
    return buffer;
  }
  if (n < 0 && (errno == EAGAIN || errno == EINTR)) return QByteArray();
  // 0 from a tty in raw mode with VMIN 0 is "nothing yet", unless the
  // other end hung up, which poll reports.
  if (n == 0) {
    pollfd p{fd_, POLLIN, 0};
    if (::poll(&p, 1, 0) > 0 && (p.revents & POLLHUP)) {
      close();
      return std::nullopt;
    }
    return QByteArray();
  }
  releaseIfGone(errno);
  return std::nullopt;
}

void TermiosStationPort::discardInput() {
  if (fd_ >= 0) ::tcflush(fd_, TCIFLUSH);
}

void TermiosStationPort::releaseIfGone(int error) {
  if (deviceGone(error)) close();
}

void TermiosStationPort::close() {
  if (fd_ < 0) return;
  const int fd = fd_;
  fd_ = -1;
  ::close(fd);
}

}  // namespace parlhora
