#pragma once

#include <QString>
#include <cstddef>

namespace parlhora {

/// One named POSIX shared-memory object mapped read/write: created if
/// missing, grown to the wanted size if smaller, never unlinked on close (the
/// partner may still use it). Not copyable; unmaps in the destructor.
class PosixSharedMemory {
 public:
  PosixSharedMemory() = default;
  ~PosixSharedMemory();
  PosixSharedMemory(const PosixSharedMemory&) = delete;
  PosixSharedMemory& operator=(const PosixSharedMemory&) = delete;

  /// `name` starts with '/'. On failure `error` names the call and reason.
  bool open(const QString& name, std::size_t size, QString& error);
  void close();
  bool isOpen() const { return data_ != nullptr; }
  void* data() const { return data_; }
  std::size_t size() const { return size_; }

  /// Removes the name from the system (tests clean up with it).
  static void unlink(const QString& name);

 private:
  void* data_ = nullptr;
  std::size_t size_ = 0;
};

}  // namespace parlhora
