#include "serial/PortList.h"

#include <QDir>
#include <QRegularExpression>
#include <algorithm>

namespace parlhora {
namespace {

// Windows knows COM1..COM256; higher numbers are typing errors.
constexpr int kMaxCom = 256;

// Digits only, as a number in 0..kMaxCom; -1 otherwise.
int smallNumber(QStringView digits) {
  if (digits.isEmpty() || digits.size() > 3) return -1;
  for (QChar c : digits)
    if (!c.isDigit() || c.unicode() > '9') return -1;
  const int n = digits.toInt();
  return n <= kMaxCom ? n : -1;
}

}  // namespace

const QString PortList::kNoCom = QStringLiteral("No COM");

int PortList::comNumber(const QString& name) {
  if (!name.startsWith(QLatin1String("COM"))) return -1;
  return smallNumber(QStringView(name).mid(3));
}

bool PortList::isDeviceName(const QString& name) {
  // A bare name below /dev: no separators, no "..", nothing to escape.
  static const QRegularExpression plain(QStringLiteral("^[A-Za-z][A-Za-z0-9_.-]{0,62}$"));
  return plain.match(name).hasMatch();
}

bool PortList::isDevicePath(const QString& name) {
  // Any full path, such as the stable /dev/serial/by-id/ name of a USB
  // adapter, a udev rule's link or a simulator's; the port itself refuses
  // what is no character device. Nothing with dot segments.
  if (!name.startsWith(QLatin1Char('/')) || name.size() < 2 || name.size() > 255) return false;
  if (QDir::cleanPath(name) != name || name.contains(QLatin1String("/."))) return false;
  for (QChar c : name)
    if (c.unicode() < 0x21 || c.unicode() > 0x7e) return false;
  return true;
}

QString PortList::portNameForDevice(const QString& device) {
  if (isDevicePath(device)) return device;
  if (device.startsWith(QLatin1String("ttyS"))) {
    const int index = smallNumber(QStringView(device).mid(4));
    if (index >= 0 && index < kMaxCom) return QStringLiteral("COM%1").arg(index + 1);
  }
  const int com = comNumber(device);
  if (com == 0) return {};
  if (com > 0) return device;
  return isDeviceName(device) ? device : QString();
}

QStringList PortList::build(const QStringList& deviceNames) {
  QStringList ports;
  for (const QString& device : deviceNames) {
    const QString name = portNameForDevice(device);
    if (!name.isEmpty() && !ports.contains(name)) ports << name;
  }
  std::sort(ports.begin(), ports.end());
  ports.prepend(kNoCom);
  return ports;
}

QString PortList::portNameFromSetting(const QByteArray& value) {
  const QString text = QString::fromLatin1(value).trimmed();
  if (text.isEmpty()) return {};
  const int n = smallNumber(text);
  if (n == 0) return kNoCom;
  if (n > 0) return QStringLiteral("COM%1").arg(n);
  if (text == kNoCom) return kNoCom;
  const QString name = portNameForDevice(text);
  return name.isEmpty() ? text : name;
}

QByteArray PortList::settingForPortName(const QString& name) {
  if (isNoCom(name)) return "0";
  const int com = comNumber(name);
  if (com > 0) return QByteArray::number(com);
  return name.toLatin1();
}

QString PortList::devicePath(const QString& name, const QString& devDir) {
  const int com = comNumber(name);
  if (com > 0) return devDir + QStringLiteral("/ttyS%1").arg(com - 1);
  if (isDevicePath(name)) return name;
  if (com == 0 || isNoCom(name) || !isDeviceName(name)) return {};
  return devDir + QLatin1Char('/') + name;
}

bool PortList::isNoCom(const QString& name) { return name.trimmed().isEmpty() || name == kNoCom; }

}  // namespace parlhora
