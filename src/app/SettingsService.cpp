#include "app/SettingsService.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace parlhora {

SettingsService::SettingsService(SettingsStore& store, Notifier& notifier, FileProbe fileExists,
                                 StatusSink status)
    : store_(store), notifier_(notifier), fileExists_(std::move(fileExists)), status_(std::move(status)) {}

LoadReport SettingsService::LoadSettings(AnnouncerSettings& settings) {
  const SettingsStore::ReadResult file = store_.read();
  readError_ = file.status == SettingsStore::ReadStatus::Failed ? file.error : QString();
  if (file.status != SettingsStore::ReadStatus::Ok) return {};
  return SettingsFile::load(file.bytes, settings, fileExists_);
}

bool SettingsService::SaveSettings(const AnnouncerSettings& settings) {
  QString error;
  if (store_.write(SettingsFile::save(settings), &error)) return true;
  notifier_.beep();
  if (status_) status_(QStringLiteral("Fehler: parlhora.ini"));
  return false;
}

FileProbe SettingsService::probeIn(const QString& folder) {
  return [folder](const QByteArray& path) {
    if (path.isEmpty() || path.contains('\0')) return false;
    const QFileInfo info(QDir(folder), QFile::decodeName(path));
    return info.isFile();
  };
}

}  // namespace parlhora
