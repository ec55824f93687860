#include "update/UpdateService.h"

namespace parlhora {

UpdateService::UpdateService(Notifier& notifier, const QString& programFolder, const QString& ownVersion,
                             QObject* parent)
    : QObject(parent), check_(downloader_, notifier, VersionCheck::defaults(programFolder, ownVersion)) {}

void UpdateService::load(bool checkAtStart) {
  if (checkAtStart) check_.checkAtStart();
}

}  // namespace parlhora
