#include "update/VersionCheck.h"

#include <QDir>
#include <QFile>
#include <QPointer>

#include "platform/Notifier.h"
#include "update/Downloader.h"
#include "update/UpdateSite.h"
#include "update/VersionList.h"
#include "update/VersionNumber.h"

namespace parlhora {

VersionCheck::Config VersionCheck::defaults(const QString& programFolder, const QString& ownVersion) {
  Config config;
  config.programFolder = programFolder;
  config.listUrl = QUrl(QString::fromLatin1(kUpdateWebHost) + QString::fromLatin1(kVersionListPath));
  config.downloadPage = QString::fromLatin1(kUpdateDownloadPage);
  config.ownVersion = ownVersion;
  return config;
}

VersionCheck::VersionCheck(Downloader& downloader, Notifier& notifier, Config config, QObject* parent)
    : QObject(parent), downloader_(downloader), notifier_(notifier), config_(std::move(config)) {}

QString VersionCheck::newerText() const {
  return QStringLiteral("Eine neuere Version von Parlhora ist unter ") + config_.downloadPage +
         QStringLiteral(" verfügbar");
}

void VersionCheck::checkAtStart() { start(false); }

void VersionCheck::BitBtnNewReleaseClick() { start(true); }

void VersionCheck::start(bool answerAlways) {
  // One lookup at a time owns "versions.txt"; a click during the start-up
  // check is answered by that same lookup.
  answerAlways_ = answerAlways_ || answerAlways;
  if (busy_) return;
  busy_ = true;
  emit busyChanged(true);
  const QString file = QDir(config_.programFolder).filePath(QString::fromLatin1(kVersionListFile));
  // The downloader may outlive this check.
  downloader_.fetch(config_.listUrl, file, [self = QPointer<VersionCheck>(this)](int status) {
    if (self) self->finish(status);
  });
}

void VersionCheck::finish(int status) {
  const QString file = QDir(config_.programFolder).filePath(QString::fromLatin1(kVersionListFile));
  QString listed;
  if (status == 0)
    listed = VersionList::take(file, config_.programName);
  else
    QFile::remove(file);
  const bool answer = answerAlways_;
  answerAlways_ = false;
  busy_ = false;
  emit busyChanged(false);

  if (listed.isEmpty()) {
    if (answer) emit notice(failureText(), true);
  } else if (VersionNumber::of(config_.ownVersion) < VersionNumber::of(listed)) {
    notifier_.beep();
    emit notice(newerText(), false);
  } else if (answer) {
    emit notice(upToDateText(), false);
  }
}

}  // namespace parlhora
