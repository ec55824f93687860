#include "update/VersionList.h"

#include <QFile>
#include <QFileInfo>

namespace parlhora {

namespace {

QString find(const QByteArray& bytes, const QString& program) {
  const QByteArray key = program.toUtf8() + '=';
  for (QByteArray line : bytes.split('\n')) {
    if (line.endsWith('\r')) line.chop(1);
    // The name must be at least one character: a line "=1.0" never matches.
    if (key.size() > 1 && line.startsWith(key)) return QString::fromUtf8(line.mid(key.size()));
  }
  return {};
}

}  // namespace

QString VersionList::take(const QString& path, const QString& program) {
  QByteArray bytes;
  {
    QFile file(path);
    // A directory or a FIFO under that name is not a downloaded list.
    if (QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly)) bytes = file.read(kMaxBytes);
  }
  QFile::remove(path);
  // A list shorter than its first three bytes cannot be read as one.
  if (bytes.size() < 3 || bytes.left(3).contains('<')) return {};
  return find(bytes, program);
}

}  // namespace parlhora
