#pragma once

#include <QString>
#include <QStringList>

namespace parlhora {

/// The input lines of a serial port as last read. `ok` false means the read
/// failed (port removed, device without modem lines); the lines are then off.
struct ModemLines {
  bool cts = false;
  bool dsr = false;
  bool dcd = false;
  bool ok = false;
};

/// The modem-control lines of one serial port; the data lines are never
/// used. Core thread only; one port at a time per object.
class SerialLines {
 public:
  /// Output line bits for setLines/clearLines.
  enum Line : unsigned { Dtr = 1u, Rts = 2u };

  virtual ~SerialLines() = default;

  /// Device names (without "/dev/", e.g. "ttyS0", "ttyUSB0") of the real
  /// serial ports of this machine, in no particular order; a USB adapter
  /// with a stable name is given by that full path (/dev/serial/by-id/...).
  virtual QStringList listPorts() const = 0;
  /// Opens `path` exclusively with DTR and RTS low, closing any port held
  /// before. Returns an empty string on success, else a short reason.
  virtual QString open(const QString& path) = 0;
  virtual bool isOpen() const = 0;
  /// Raises the lines in `bits` (Line values) in one step; false on failure
  /// or when no port is open.
  virtual bool setLines(unsigned bits) = 0;
  /// Lowers the lines in `bits` in one step; false on failure or no port.
  virtual bool clearLines(unsigned bits) = 0;
  /// Reads CTS, DSR and DCD once.
  virtual ModemLines readLines() = 0;
  /// Releases the port; the kernel drops DTR and RTS on the last close.
  virtual void close() = 0;
  /// The last open() failed because another program holds the port.
  virtual bool lastOpenBusy() const { return false; }
  /// Why the last failed setLines/clearLines failed, in a few words.
  virtual QString lastError() const { return {}; }
};

}  // namespace parlhora
