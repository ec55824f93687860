#include "platform/backends/DeviceNode.h"

#include <sys/stat.h>
#include <QFile>
#include <cerrno>

namespace parlhora {

QString DeviceNode::characterDeviceProblem(const QString& path) {
  const QByteArray native = QFile::encodeName(path);
  struct stat info {};
  if (::stat(native.constData(), &info) != 0) return errnoText("stat", errno);
  if (!S_ISCHR(info.st_mode)) return QStringLiteral("kein Gerät (%1 ist kein Zeichengerät)").arg(path);
  return {};
}

QString DeviceNode::errnoText(const char* call, int error) {
  // One short cause in the log's language; the step and the system's number
  // only where no cause fits.
  switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
      return QStringLiteral("fehlt");
    case EBUSY:
    case EWOULDBLOCK:
      return QStringLiteral("belegt");
    case EACCES:
    case EPERM:
      return QStringLiteral("keine Berechtigung, Gruppe dialout?");
    case ENOTTY:
      return QStringLiteral("keine serielle Schnittstelle");
    default:
      return QStringLiteral("Fehler %1 beim %2").arg(error).arg(QString::fromUtf8(call));
  }
}

}  // namespace parlhora
