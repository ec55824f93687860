#include "platform/backends/PosixSharedMemory.h"

#include "platform/backends/MappingGuard.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace parlhora {

namespace {

QString failure(const char* call, const QString& name) {
  return QStringLiteral("%1 %2: %3")
      .arg(QLatin1String(call), name, QString::fromLocal8Bit(std::strerror(errno)));
}

}  // namespace

PosixSharedMemory::~PosixSharedMemory() { close(); }

bool PosixSharedMemory::open(const QString& name, std::size_t size, QString& error) {
  close();
  const QByteArray path = name.toLocal8Bit();
  // Owner only: a stranger's process must not be able to key our transmitter.
  const int fd = ::shm_open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) {
    error = failure("shm_open", name);
    return false;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    error = failure("fstat", name);
    ::close(fd);
    return false;
  }
  // Growing to the same size twice is harmless, so a partner opening at the
  // same moment cannot destroy what was written.
  if (static_cast<std::size_t>(st.st_size) < size && ::ftruncate(fd, static_cast<off_t>(size)) != 0) {
    error = failure("ftruncate", name);
    ::close(fd);
    return false;
  }
  void* data = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
  if (data == MAP_FAILED) {
    error = failure("mmap", name);
    ::close(fd);
    return false;
  }
  name_ = name;
  data_ = data;
  size_ = size;
  fd_ = fd;  // kept to see the object's size and identity later
  guard_ = MappingGuard::guard(data, size);
  return true;
}

void PosixSharedMemory::close() {
  if (data_) {
    MappingGuard::release(guard_);
    ::munmap(data_, size_);
  }
  if (fd_ >= 0) ::close(fd_);
  guard_ = -1;
  fd_ = -1;
  data_ = nullptr;
  size_ = 0;
}

bool PosixSharedMemory::intact() const {
  if (!data_ || MappingGuard::lost(guard_)) return false;
  struct stat st {};
  return ::fstat(fd_, &st) == 0 && static_cast<std::size_t>(st.st_size) >= size_;
}

bool PosixSharedMemory::stillNamed() const {
  if (fd_ < 0) return false;
  const int fd = ::shm_open(name_.toLocal8Bit().constData(), O_RDONLY | O_CLOEXEC, 0);
  if (fd < 0) return false;
  struct stat named {
  }, mine{};
  const bool same = ::fstat(fd, &named) == 0 && ::fstat(fd_, &mine) == 0 && named.st_dev == mine.st_dev &&
                    named.st_ino == mine.st_ino;
  ::close(fd);
  return same;
}

void PosixSharedMemory::unlink(const QString& name) { ::shm_unlink(name.toLocal8Bit().constData()); }

}  // namespace parlhora
