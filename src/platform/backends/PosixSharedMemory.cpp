#include "platform/backends/PosixSharedMemory.h"

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
  ::close(fd);
  if (data == MAP_FAILED) {
    error = failure("mmap", name);
    return false;
  }
  data_ = data;
  size_ = size;
  return true;
}

void PosixSharedMemory::close() {
  if (data_) ::munmap(data_, size_);
  data_ = nullptr;
  size_ = 0;
}

void PosixSharedMemory::unlink(const QString& name) { ::shm_unlink(name.toLocal8Bit().constData()); }

}  // namespace parlhora
