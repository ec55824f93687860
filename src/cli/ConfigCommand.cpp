#include "cli/ConfigCommand.h"

#include "app/SettingsFile.h"
#include "app/SettingsService.h"
#include "platform/backends/PosixSettingsStore.h"

namespace parlhora {

int runConfigCommand(const QString& programFolder, bool rewrite, QTextStream& err) {
  PosixSettingsStore store(programFolder);
  const SettingsStore::ReadResult file = store.read();
  if (file.status != SettingsStore::ReadStatus::Ok) {
    err << store.filePath() << ": cannot read: " << file.error << Qt::endl;
    return 1;
  }
  AnnouncerSettings settings;
  const LoadReport report = SettingsFile::load(file.bytes, settings, SettingsService::probeIn(programFolder));
  for (const IgnoredLine& line : report.ignored)
    err << "parlhora.ini:" << line.lineNumber << ": " << line.reason << ": " << QString::fromUtf8(line.text)
        << Qt::endl;
  if (!rewrite) return 0;
  QString error;
  if (!store.write(SettingsFile::save(settings), &error)) {
    err << "Fehler: parlhora.ini: " << error << Qt::endl;
    return 1;
  }
  return 0;
}

}  // namespace parlhora
