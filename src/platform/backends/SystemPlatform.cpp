#include "platform/backends/SystemPlatform.h"

#include <QFileInfo>

namespace parlhora {

SystemPlatform::SystemPlatform(const QString& home, const QString& program, const QStringList& arguments)
    : paths(home, QFileInfo(program).absolutePath()),
      autostart(XdgAutostart::defaultConfigHome(), QFileInfo(program).absoluteFilePath(), arguments),
      settingsStore(paths.programFolder()) {}

PlatformSet SystemPlatform::set(Notifier& notifier) {
  return PlatformSet{clock,
                     waveOut,
                     serialLines,
                     notifier,
                     autostart,
                     settingsStore,
                     stationPort,
                     paths.programFolder(),
                     paths.weatherFolder(),
                     &sharedLink,
                     &recorder,
                     &uploadServer};
}

PlatformSet SystemPlatform::oneShotSet(Notifier& notifier) {
  PlatformSet oneShot = set(notifier);
  oneShot.sharedLink = nullptr;
  oneShot.uploadServer = nullptr;
  return oneShot;
}

}  // namespace parlhora
