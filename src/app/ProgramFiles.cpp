#include "app/ProgramFiles.h"

#include <QDir>
#include <QFile>

#include "audio/PieceLibrary.h"

namespace parlhora {

bool ProgramFiles::installMissing(const QString& folder) {
  bool ok = PieceLibrary::installCuckoo(folder);
  const QString help = QDir(folder).filePath("parlhora_help.html");
  if (!QFile::exists(help)) {
    ok = QFile::copy(":/help/parlhora_help.html", help) && ok;
    // Resource copies are read-only; the user may want to edit theirs.
    QFile::setPermissions(help, QFile::permissions(help) | QFileDevice::WriteOwner);
  }
  return ok;
}

}  // namespace parlhora
