#pragma once

#include <QObject>
#include <QString>

#include "update/SharedDownloader.h"
#include "update/VersionCheck.h"

namespace parlhora {

class Notifier;

/// The core's update service: the version check with the downloader it
/// fetches the list through. Core thread only; borrows the notifier.
class UpdateService : public QObject {
  Q_OBJECT

 public:
  UpdateService(Notifier& notifier, const QString& programFolder, const QString& ownVersion,
                QNetworkAccessManager& network, QObject* parent = nullptr);

  /// Start-up step after the settings were loaded: `checkAtStart` is
  /// `CheckBoxInfoVersion`. Returns at once; the answer comes later, if any.
  void load(bool checkAtStart);

  /// What the about box binds to; its `notice` signal carries every answer.
  VersionCheck& check() { return check_; }

 private:
  SharedDownloader downloader_;
  VersionCheck check_;
};

}  // namespace parlhora
