#include "platform/backends/PosixSettingsStore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFile>
#include <cerrno>
#include <cstring>

namespace parlhora {
namespace {

QString systemError(const char* what) {
  return QStringLiteral("%1: %2").arg(QString::fromLatin1(what),
                                      QString::fromLocal8Bit(std::strerror(errno)));
}

// Closes on every way out; the result of a deliberate close is checked there.
class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  bool close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool writeAll(int fd, const QByteArray& bytes) {
  const char* p = bytes.constData();
  qsizetype left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, static_cast<size_t>(left));
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    left -= n;
  }
  return true;
}

}  // namespace

QString PosixSettingsStore::filePath() const { return folder_ + QLatin1Char('/') + QLatin1String(kFileName); }

SettingsStore::ReadResult PosixSettingsStore::read() {
  ReadResult result;
  const QByteArray path = QFile::encodeName(filePath());
  // Non-blocking: a FIFO in the file's place must be refused, not waited on.
  Fd fd(::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  if (fd.get() < 0) {
    result.status = errno == ENOENT ? ReadStatus::Missing : ReadStatus::Failed;
    result.error = systemError("open");
    return result;
  }
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > kMaxBytes) {
    result.status = ReadStatus::Failed;
    result.error = S_ISREG(st.st_mode) ? QStringLiteral("not a readable file of at most 16 MB")
                                       : QStringLiteral("not a regular file");
    return result;
  }
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      result.status = ReadStatus::Failed;
      result.error = systemError("read");
      return result;
    }
    if (n == 0) break;
    if (result.bytes.size() + n > kMaxBytes) {
      result.status = ReadStatus::Failed;
      result.error = QStringLiteral("file larger than 16 MB");
      return result;
    }
    result.bytes.append(buffer, n);
  }
  result.status = ReadStatus::Ok;
  return result;
}

bool PosixSettingsStore::write(const QByteArray& bytes, QString* error) {
  const auto fail = [error](const QString& why) {
    if (error) *error = why;
    return false;
  };
  const QByteArray dir = QFile::encodeName(folder_);
  const QByteArray target = QFile::encodeName(filePath());
  const QByteArray temp = QFile::encodeName(folder_ + QLatin1Char('/') + QLatin1String(kTempName));

  // A twin left by a crashed save is stale; a directory in its place fails here.
  if (::unlink(temp.constData()) != 0 && errno != ENOENT) return fail(systemError("unlink parlhora.~in"));
  Fd fd(::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600));
  if (fd.get() < 0) return fail(systemError("create parlhora.~in"));
  const auto discard = [&temp, &fail](const QString& why) {
    ::unlink(temp.constData());
    return fail(why);
  };
  if (!writeAll(fd.get(), bytes)) return discard(systemError("write parlhora.~in"));
  if (::fsync(fd.get()) != 0) return discard(systemError("fsync parlhora.~in"));
  if (!fd.close()) return discard(systemError("close parlhora.~in"));
  if (::rename(temp.constData(), target.constData()) != 0) return discard(systemError("rename"));

  // The rename is only durable once the folder itself is on disk.
  Fd dirFd(::open(dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  // The new file is in place whatever follows: a failure here is only a warning.
  if ((dirFd.get() < 0 || ::fsync(dirFd.get()) != 0) && error) *error = systemError("fsync folder");
  // The new file is complete; a failed read-only mark does not undo that.
  if (::chmod(target.constData(), 0400) != 0 && error) *error = systemError("chmod parlhora.ini");
  return true;
}

}  // namespace parlhora
