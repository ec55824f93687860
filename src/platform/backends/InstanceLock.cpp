#include "platform/backends/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <QFile>
#include <cerrno>
#include <cstring>

namespace parlhora {

InstanceLock::InstanceLock(const QString& folder) {
  const QByteArray native = QFile::encodeName(folder);
  const int fd = ::open(native.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) {
    error_ = QString::fromLocal8Bit(std::strerror(errno));
    return;
  }
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int error = errno;
    heldElsewhere_ = error == EWOULDBLOCK;
    error_ = QString::fromLocal8Bit(std::strerror(error));
    ::close(fd);
    return;
  }
  fd_ = fd;
}

InstanceLock::~InstanceLock() {
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace parlhora
