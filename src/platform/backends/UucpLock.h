#pragma once

#include <QString>
#include <QStringList>

namespace parlhora {

/// The lock file that serial programs have long shared (minicom, cu, gpsd,
/// ModemManager...): "LCK..ttyUSB0" in /run/lock or /var/lock, holding the
/// owner's PID as ten digits and a newline. A file whose PID is dead is
/// stale and taken over. Owns the file it made; removes it on release.
class UucpLock {
 public:
  /// `dirs`: where to look, in order; the first writable one is where ours goes.
  explicit UucpLock(QStringList dirs = defaultDirs());
  ~UucpLock();
  UucpLock(const UucpLock&) = delete;
  UucpLock& operator=(const UucpLock&) = delete;

  /// Takes the lock for the device `path` (links followed). "belegt ..."
  /// when a live process holds it; else empty, also when no folder is
  /// writable (the other locks still keep ours out of others' ports).
  QString acquire(const QString& path);
  void release();
  bool held() const { return !file_.isEmpty(); }

  /// The live owner of the device's lock file in any of the folders, 0 if none.
  qint64 owner(const QString& path) const;
  static QString fileName(const QString& path);
  static QStringList defaultDirs();

 private:
  QStringList dirs_;
  QString file_;
};

}  // namespace parlhora
