#include "platform/backends/DeviceNode.h"

#include <sys/stat.h>
#include <QFile>
#include <cerrno>
#include <cstring>

namespace parlhora {

QString DeviceNode::characterDeviceProblem(const QString& path) {
  const QByteArray native = QFile::encodeName(path);
  struct stat info {};
  if (::stat(native.constData(), &info) != 0) return errnoText("stat", errno);
  if (!S_ISCHR(info.st_mode)) return QStringLiteral("kein Gerät (%1 ist kein Zeichengerät)").arg(path);
  return {};
}

QString DeviceNode::errnoText(const char* call, int error) {
  const QString detail =
      QStringLiteral("%1: %2").arg(QLatin1String(call), QString::fromLocal8Bit(std::strerror(error)));
  switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
      return QStringLiteral("fehlt (%1)").arg(detail);
    case EBUSY:
    case EWOULDBLOCK:
      return QStringLiteral("belegt (%1)").arg(detail);
    case EACCES:
    case EPERM:
      return QStringLiteral("keine Berechtigung, Gruppe dialout? (%1)").arg(detail);
    default:
      return detail;
  }
}

}  // namespace parlhora
