#pragma once

#include <QString>

namespace parlhora {

/// One running program per program folder: an advisory lock on the folder
/// itself (no file of ours appears in it), held for the process's life and
/// let go by the kernel when the process dies. Owns its descriptor.
class InstanceLock {
 public:
  /// Tries to lock `folder`; held() tells whether this process got it.
  explicit InstanceLock(const QString& folder);
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  bool held() const { return fd_ >= 0; }
  /// Another process holds the folder (as opposed to a folder that could
  /// not be opened, which does not stop the program).
  bool heldElsewhere() const { return heldElsewhere_; }
  /// Why the lock could not be taken; empty when held.
  QString error() const { return error_; }

 private:
  int fd_ = -1;
  bool heldElsewhere_ = false;
  QString error_;
};

}  // namespace parlhora
