#include "update/UpdateService.h"

namespace parlhora {

UpdateService::UpdateService(Notifier& notifier, const QString& programFolder, const QString& ownVersion,
                             QNetworkAccessManager& network, QObject* parent)
    : QObject(parent), downloader_(network), check_(downloader_, notifier, VersionCheck::defaults(programFolder, ownVersion)) {}

void UpdateService::load(bool checkAtStart) {
  if (checkAtStart) check_.checkAtStart();
}

}  // namespace parlhora
