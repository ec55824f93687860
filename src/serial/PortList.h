#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace parlhora {

/// Port names and their mapping to settings values and device paths.
/// A port name is "COMn" for /dev/ttyS(n-1), a device name such as "ttyUSB0"
/// for other adapters, a full path (such as a stable /dev/serial/by-id/
/// name, /dev/pts/3 or a symlink to a tty elsewhere), or "No COM". Pure
/// functions: whether a path leads to a character device is the port's test.
class PortList {
 public:
  static const QString kNoCom;

  /// The port list: "No COM", then the ports of `deviceNames` (as from
  /// SerialLines::listPorts) sorted by name, so COM10 comes before COM2.
  /// Names that are no usable port, and COM0, are left out.
  static QStringList build(const QStringList& deviceNames);
  /// "ttyS4" -> "COM5"; "COMn" kept for n > 0; other device names as they
  /// are; empty when the name cannot be a port.
  static QString portNameForDevice(const QString& device);
  /// The port name a COM= value stands for: "0" -> "No COM", "3" -> "COM3",
  /// a device name -> its port name, empty -> empty (nothing chosen). A value
  /// that names no possible device is kept as text so opening it fails.
  static QString portNameFromSetting(const QByteArray& value);
  /// What COM= stores for a port name: "No COM" -> "0", "COM3" -> "3",
  /// "ttyUSB0" -> "ttyUSB0".
  static QByteArray settingForPortName(const QString& name);
  /// "COM3" -> "/dev/ttyS2", "ttyUSB0" -> "/dev/ttyUSB0", a clean full path
  /// as it is; empty for "No COM" and anything else.
  static QString devicePath(const QString& name, const QString& devDir = QStringLiteral("/dev"));
  /// True for no port chosen: empty, blanks or "No COM".
  static bool isNoCom(const QString& name);

 private:
  static int comNumber(const QString& name);
  static bool isDeviceName(const QString& name);
  static bool isDevicePath(const QString& name);
};

}  // namespace parlhora
