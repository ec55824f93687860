#include "audio/JingleFiles.h"

#include <QFile>
#include <QFileInfo>

#include "audio/AnnouncementOptions.h"
#include "platform/Notifier.h"

namespace parlhora {

bool JingleFiles::accept(Jingle which, const QString& path) {
  QByteArray& field = which == Jingle::Header   ? options_.headerFile
                      : which == Jingle::Cuckoo ? options_.cuckooFile
                                                : options_.finalFile;
  QFile probe(path);
  // A FIFO would block the program in open(); only regular files are sounds.
  if (!QFileInfo(path).isFile() || !probe.open(QIODevice::ReadOnly)) {
    field.clear();
    notifier_.errorBox(QStringLiteral("Fehler: Dateiname"));
    return false;
  }
  field = QFile::encodeName(path);
  return true;
}

}  // namespace parlhora
