#pragma once

#include <QString>
#include <cstddef>

namespace parlhora {

/// One named POSIX shared-memory object mapped read/write: created if
/// missing, grown to the wanted size if smaller, never unlinked on close (the
/// partner may still use it). The mapping is guarded (MappingGuard), so a
/// partner shrinking the object costs a lost mapping, not the process.
/// Not copyable; unmaps in the destructor.
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
  /// The object still has its full size and no access has hit a hole.
  /// Any thread; one system call.
  bool intact() const;
  /// The name still leads to the object mapped here (not removed, not
  /// replaced by a new one). Any thread.
  bool stillNamed() const;

  /// Removes the name from the system (tests clean up with it).
  static void unlink(const QString& name);

 private:
  QString name_;
  void* data_ = nullptr;
  std::size_t size_ = 0;
  int fd_ = -1;
  int guard_ = -1;
};

}  // namespace parlhora
