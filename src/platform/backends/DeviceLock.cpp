#include "platform/backends/DeviceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>

namespace parlhora {

DeviceLock::DeviceLock(QString lockDir)
    : lockDir_(lockDir.isEmpty() ? defaultLockDir() : std::move(lockDir)) {}

DeviceLock::~DeviceLock() { release(); }

QString DeviceLock::defaultLockDir() {
  // Shared by all users where the system allows it, so two accounts on one
  // box still see each other's ports.
  const QFileInfo system(QStringLiteral("/run/lock"));
  if (system.isDir() && system.isWritable()) return system.absoluteFilePath();
  const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

QString DeviceLock::lockFileFor(const QString& path) const {
  const QString device = QFileInfo(path).canonicalFilePath();
  if (device.isEmpty()) return {};
  QString name = device.startsWith(QLatin1String("/dev/")) ? device.mid(5) : device.mid(1);
  name.replace(QLatin1Char('/'), QLatin1Char('-'));
  return QDir(lockDir_).filePath(QStringLiteral("parlhora-%1.lock").arg(name));
}

QString DeviceLock::acquire(const QString& path) {
  release();
  const QString file = lockFileFor(path);
  if (file.isEmpty()) return {};  // nothing to guard: opening it fails anyway
  const QByteArray native = QFile::encodeName(file);
  // Read-only is enough for flock, and lets another user lock a file we made.
  const int fd = ::open(native.constData(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
  // A lock folder we cannot use must not cost the port: the exclusive open
  // and the lock on the device itself still keep others out.
  if (fd < 0) return {};
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int error = errno;
    ::close(fd);
    if (error == EWOULDBLOCK) return QStringLiteral("belegt (ein anderes Parlhora hält %1)").arg(path);
    return {};
  }
  fd_ = fd;
  return {};
}

void DeviceLock::release() {
  if (fd_ < 0) return;
  // The file stays: removing it would race with a process about to lock it.
  ::close(fd_);
  fd_ = -1;
}

}  // namespace parlhora
