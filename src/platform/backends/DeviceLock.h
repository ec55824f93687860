#pragma once

#include <QString>

namespace parlhora {

/// An advisory lock named after a device, taken before the device is
/// opened, so that a second program of ours never opens (and thereby
/// disturbs the lines of) a port another one holds. Root is held back too,
/// unlike with TIOCEXCL. The kernel lets go of it when the process dies.
/// Owns its descriptor; not copyable.
class DeviceLock {
 public:
  /// `lockDir` empty: the system's lock folder, else the runtime folder.
  explicit DeviceLock(QString lockDir = {});
  ~DeviceLock();
  DeviceLock(const DeviceLock&) = delete;
  DeviceLock& operator=(const DeviceLock&) = delete;

  /// Locks the device `path` (after following links, so a by-id name and
  /// its ttyUSBn share one lock). "belegt ..." when another process holds
  /// it, else empty (also when the lock folder is unusable: the port is
  /// not given up for that).
  QString acquire(const QString& path);
  void release();
  bool held() const { return fd_ >= 0; }
  /// The lock file a device path maps to; empty when the device is missing.
  QString lockFileFor(const QString& path) const;

  static QString defaultLockDir();

 private:
  QString lockDir_;
  int fd_ = -1;
};

}  // namespace parlhora
