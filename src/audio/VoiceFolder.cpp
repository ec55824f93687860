#include "audio/VoiceFolder.h"

#include <QDir>
#include <QFileInfo>

#include "audio/PieceLibrary.h"

namespace parlhora {

namespace {

const QString kSuffix = QStringLiteral(".wav");

// Only the exact lower-case form: the names the program asks for, and one
// file per piece even on case-sensitive file systems.
QString pieceOf(const QString& fileName) {
  if (!fileName.endsWith(kSuffix)) return {};
  const QString name = fileName.chopped(kSuffix.size());
  if (name != name.toLower() || !PieceLibrary::has(name)) return {};
  return name;
}

}  // namespace

QString VoiceFolder::overrideFor(const QString& programFolder, const QString& name) {
  if (programFolder.isEmpty()) return {};
  const QString lower = name.toLower();
  if (!PieceLibrary::has(lower)) return {};
  const QString relative = folderName() + QLatin1Char('/') + lower + kSuffix;
  // A FIFO or a folder of that name would block or fail every announcement.
  if (!QFileInfo(QDir(programFolder).filePath(relative)).isFile()) return {};
  return relative;
}

QList<VoiceFolder::Entry> VoiceFolder::entries(const QString& programFolder) {
  QList<Entry> result;
  const QDir dir(QDir(programFolder).filePath(folderName()));
  if (programFolder.isEmpty() || !dir.exists()) return result;
  const QFileInfoList infos =
      dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
  for (const QFileInfo& info : infos) {
    Entry entry;
    entry.fileName = info.fileName();
    entry.regularFile = info.isFile();
    entry.piece = pieceOf(entry.fileName);
    result << entry;
  }
  return result;
}

}  // namespace parlhora
