#include "cli/SystemTimeZone.h"

#include <QFileInfo>

namespace parlhora {

void takeSystemTimeZoneOnce() {
  if (!qEnvironmentVariableIsSet("TZ") && QFileInfo::exists(QStringLiteral("/etc/localtime")))
    qputenv("TZ", ":/etc/localtime");
}

}  // namespace parlhora
