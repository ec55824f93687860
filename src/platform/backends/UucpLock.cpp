#include "platform/backends/UucpLock.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

namespace parlhora {

namespace {

// Ten digits as written today; older programs wrote a binary int.
qint64 pidIn(const QString& file) {
  QFile lock(file);
  if (!lock.open(QIODevice::ReadOnly)) return 0;
  const QByteArray bytes = lock.read(64);
  bool ok = false;
  const qint64 pid = bytes.trimmed().toLongLong(&ok);
  if (ok) return pid;
  if (bytes.size() == 4) return *reinterpret_cast<const qint32*>(bytes.constData());
  return 0;
}

bool alive(qint64 pid) { return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM); }

}  // namespace

UucpLock::UucpLock(QStringList dirs) : dirs_(std::move(dirs)) {}

UucpLock::~UucpLock() { release(); }

QStringList UucpLock::defaultDirs() { return {QStringLiteral("/run/lock"), QStringLiteral("/var/lock")}; }

QString UucpLock::fileName(const QString& path) {
  const QString device = QFileInfo(path).canonicalFilePath();
  return QStringLiteral("LCK..") + QFileInfo(device.isEmpty() ? path : device).fileName();
}

qint64 UucpLock::owner(const QString& path) const {
  const QString name = fileName(path);
  for (const QString& dir : dirs_) {
    const qint64 pid = pidIn(QDir(dir).filePath(name));
    if (pid != ::getpid() && alive(pid)) return pid;
  }
  return 0;
}

QString UucpLock::acquire(const QString& path) {
  release();
  const qint64 holder = owner(path);
  if (holder != 0) return QStringLiteral("belegt (%1 von PID %2)").arg(fileName(path)).arg(holder);
  const QByteArray content = QByteArray::number(qint64(::getpid())).rightJustified(10, ' ') + '\n';
  for (const QString& dir : dirs_) {
    const QString file = QDir(dir).filePath(fileName(path));
    const QByteArray native = QFile::encodeName(file);
    // Whatever is there now is stale: its owner is dead (checked above).
    ::unlink(native.constData());
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0) {
      // Someone took it in between: theirs now.
      if (errno == EEXIST && alive(pidIn(file))) return QStringLiteral("belegt (%1)").arg(fileName(path));
      continue;
    }
    const bool written = ::write(fd, content.constData(), size_t(content.size())) == content.size();
    ::close(fd);
    if (!written) {
      ::unlink(native.constData());
      continue;
    }
    file_ = file;
    return {};
  }
  return {};
}

void UucpLock::release() {
  if (file_.isEmpty()) return;
  // Only ours: a program that found it stale may have made its own since.
  if (pidIn(file_) == ::getpid()) ::unlink(QFile::encodeName(file_).constData());
  file_.clear();
}

}  // namespace parlhora
