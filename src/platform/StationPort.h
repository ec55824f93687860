#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace parlhora {

/// The data lines of the weather station's serial port (raw 8N1). Nothing
/// here blocks for longer than the wait it is given; the caller keeps its
/// own deadline. Core thread only; one port at a time per object.
class StationPort {
 public:
  virtual ~StationPort() = default;

  /// Opens `path` exclusively at `baud` bits per second, raw, 8N1, closing
  /// any port held before. Empty on success, else a short reason.
  virtual QString open(const QString& path, int baud) = 0;
  virtual bool isOpen() const = 0;
  /// Sends all of `bytes`; false on failure. A device that went away
  /// closes the port.
  virtual bool write(const QByteArray& bytes) = 0;
  /// Up to `max` bytes, waiting at most `waitMs` milliseconds for the first
  /// (0 = only what has arrived). Empty when nothing came; nullopt on
  /// failure, and a device that went away closes the port.
  virtual std::optional<QByteArray> read(int max, int waitMs) = 0;
  /// Drops input that arrived but was not read.
  virtual void discardInput() = 0;
  virtual void close() = 0;
};

}  // namespace parlhora
