#pragma once

#include "platform/SerialLines.h"
#include "platform/backends/DeviceLock.h"
#include "platform/backends/UucpLock.h"

namespace parlhora {

/// SerialLines on a Linux tty through termios and the modem-line ioctls.
/// Owns the file descriptor; closing it (also on a crash) lets the kernel
/// drop DTR and RTS because the port is opened with hang-up-on-close.
/// A port that another program holds (its UUCP lock file, our own device
/// lock, its exclusive flag or advisory lock) is left exactly as it is: no
/// open where a lock says so, and otherwise a close without a line touched.
class TermiosSerialLines final : public SerialLines {
 public:
  /// `sysfsTty` is where listPorts() looks for tty devices, `byIdDir` for the
  /// stable names of USB adapters; `lockDir` holds the per-device lock files
  /// (empty: DeviceLock's default), `uucpDirs` the folders of the UUCP lock files.
  explicit TermiosSerialLines(QString sysfsTty = QStringLiteral("/sys/class/tty"), QString lockDir = {},
                              QString byIdDir = QStringLiteral("/dev/serial/by-id"),
                              QStringList uucpDirs = UucpLock::defaultDirs());
  ~TermiosSerialLines() override;
  TermiosSerialLines(const TermiosSerialLines&) = delete;
  TermiosSerialLines& operator=(const TermiosSerialLines&) = delete;

  QStringList listPorts() const override;
  QString open(const QString& path) override;
  bool isOpen() const override { return fd_ >= 0; }
  bool setLines(unsigned bits) override;
  bool clearLines(unsigned bits) override;
  ModemLines readLines() override;
  void close() override;
  bool lastOpenBusy() const override { return lastOpenBusy_; }
  /// The last failure of a line call or of close.
  QString lastError() const override { return lastError_; }

 private:
  bool modemIoctl(unsigned long request, unsigned bits);
  void releaseIfGone(int error);

  QString sysfsTty_;
  QString byIdDir_;
  DeviceLock lock_;
  UucpLock uucp_;
  int fd_ = -1;
  QString lastError_;
  bool lastOpenBusy_ = false;
};

}  // namespace parlhora
