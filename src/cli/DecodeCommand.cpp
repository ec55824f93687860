#include "cli/DecodeCommand.h"

#include <QDateTime>

#include "app/AnnouncerSettings.h"
#include "app/SettingsFile.h"
#include "cli/AprsDecodeCommand.h"
#include "cli/MetarDecodeCommand.h"
#include "cli/NetDecodeCommand.h"
#include "platform/backends/PosixSettingsStore.h"
#include "cli/StationDecodeCommand.h"

namespace parlhora {

int runDecodeCommand(const QStringList& args, const QString& programFolder, const QString& weatherFolder,
                     QTextStream& out, QTextStream& err) {
  if (args.size() != 2) {
    err << "decode: wants metar|aprs|ws23|ws28|wlk|net FILE" << Qt::endl;
    return 2;
  }
  const QString kind = args[0];
  const QString file = args[1];
  AnnouncerSettings settings;
  PosixSettingsStore store(programFolder);
  const auto stored = store.read();
  if (stored.status == SettingsStore::ReadStatus::Failed) {
    err << "decode: cannot read parlhora.ini: " << stored.error << Qt::endl;
    return 1;
  }
  if (stored.status == SettingsStore::ReadStatus::Ok)
    SettingsFile::load(stored.bytes, settings, [](const QByteArray&) { return false; });

  if (kind == "net") return runDecodeNet(file, settings, QDateTime::currentDateTime(), out, err);
  if (kind == "aprs") return runDecodeAprs(file, settings, programFolder, weatherFolder, out, err);
  if (kind == "metar") return runDecodeMetar(file, settings, programFolder, weatherFolder, out, err);
  if (isStationFileKind(kind)) {
    const HistoryFileSettings& source = kind == "ws23" ? settings.w23 : kind == "ws28" ? settings.w28 : settings.pro2;
    return runDecodeStationFile(kind, file, settings.units, source, QDateTime::currentDateTime(), out, err);
  }
  err << "decode: unknown kind: " << kind << Qt::endl;
  return 2;
}

}  // namespace parlhora
