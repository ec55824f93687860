#pragma once

#include "platform/StationPort.h"

namespace parlhora {

/// StationPort on a Linux tty through termios. Locked as the main serial
/// port is (TIOCEXCL and an advisory flock), so the two cannot share a
/// device. Owns the file descriptor.
class TermiosStationPort final : public StationPort {
 public:
  TermiosStationPort() = default;
  ~TermiosStationPort() override;
  TermiosStationPort(const TermiosStationPort&) = delete;
  TermiosStationPort& operator=(const TermiosStationPort&) = delete;

  QString open(const QString& path, int baud) override;
  bool isOpen() const override { return fd_ >= 0; }
  bool write(const QByteArray& bytes) override;
  std::optional<QByteArray> read(int max, int waitMs) override;
  void discardInput() override;
  void close() override;

 private:
  void releaseIfGone(int error);

  int fd_ = -1;
};

}  // namespace parlhora
