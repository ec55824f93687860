#include "cli/VoiceCommand.h"

#include <QDir>
#include <QFile>

#include "audio/VoiceFolder.h"
#include "audio/WavReader.h"

namespace parlhora {

namespace {

// The reader's own verdict, exactly as an announcement would report it.
QString readerVerdict(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return WavReader::openFailedText(WaveOrigin::File);
  QByteArray samples;
  return WavReader::read(file, WaveOrigin::File, samples).error;
}

}  // namespace

int runVoiceCommand(const QStringList& args, const QString& programFolder, QTextStream& out,
                    QTextStream& err) {
  if (args != QStringList{QStringLiteral("check")}) {
    err << "usage: parlhora [--home DIR] voice check" << Qt::endl;
    return 2;
  }
  const QString folder = QDir(programFolder).filePath(VoiceFolder::folderName());
  const QList<VoiceFolder::Entry> entries = VoiceFolder::entries(programFolder);
  if (entries.isEmpty()) {
    out << "Keine eigenen Aufnahmen in " << folder << Qt::endl;
    return 0;
  }
  int replaced = 0;
  int ignored = 0;
  int failing = 0;
  for (const VoiceFolder::Entry& entry : entries) {
    out << entry.fileName << ": ";
    if (entry.piece.isEmpty()) {
      ++ignored;
      const QString lower = entry.fileName.toLower();
      // The commonest slip: the name is right but not in lower case.
      if (lower != entry.fileName && lower.endsWith(QLatin1String(".wav")) && entry.regularFile)
        out << "kein Baustein (Name klein schreiben: " << lower << ")";
      else
        out << "kein Baustein";
    } else if (!entry.regularFile) {
      ++failing;
      out << WavReader::openFailedText(WaveOrigin::File) << " (keine reguläre Datei)";
    } else if (const QString error = readerVerdict(QDir(folder).filePath(entry.fileName)); !error.isEmpty()) {
      ++failing;
      out << error;
    } else {
      ++replaced;
      out << "ersetzt " << entry.piece;
    }
    out << '\n';
  }
  out << replaced << " ersetzt, " << failing << " fehlerhaft, " << ignored << " kein Baustein" << Qt::endl;
  return failing > 0 ? 1 : 0;
}

}  // namespace parlhora
