#include "audio/PieceLibrary.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace parlhora {

namespace {

const QString kPrefix = QStringLiteral(":/pieces/");
const QString kSuffix = QStringLiteral(".WAV");

// Piece names are letters, digits and '_'; anything else ("../", "/") could
// reach other resources than the pieces.
bool isPieceName(const QString& name) {
  if (name.isEmpty()) return false;
  for (QChar c : name) {
    const char16_t u = c.unicode();
    const bool ok = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_';
    if (!ok) return false;
  }
  return true;
}

}  // namespace

std::unique_ptr<QIODevice> PieceLibrary::open(const QString& name) {
  if (!isPieceName(name)) return nullptr;
  auto file = std::make_unique<QFile>(kPrefix + name.toUpper() + kSuffix);
  if (!file->open(QIODevice::ReadOnly)) return nullptr;
  return file;
}

bool PieceLibrary::has(const QString& name) {
  return isPieceName(name) && QFileInfo(kPrefix + name.toUpper() + kSuffix).isFile();
}

QStringList PieceLibrary::names() {
  QStringList result;
  const QStringList files = QDir(kPrefix).entryList({QStringLiteral("*") + kSuffix}, QDir::Files, QDir::Name);
  result.reserve(files.size());
  for (const QString& f : files) result << f.chopped(kSuffix.size());
  return result;
}

bool PieceLibrary::installCuckoo(const QString& folder) {
  const QString target = QDir(folder).filePath(cuckooFileName());
  if (QFileInfo::exists(target)) return true;
  QFile source(kPrefix + QStringLiteral("SON_KUCKOO") + kSuffix);
  if (!source.open(QIODevice::ReadOnly)) return false;
  const QByteArray bytes = source.readAll();
  // NewOnly: a file that appeared since the check above is left alone.
  QFile out(target);
  if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return QFileInfo::exists(target);
  if (out.write(bytes) != bytes.size() || !out.flush()) {
    out.close();
    out.remove();  // a half-written jingle would only fail later, at play time
    return false;
  }
  out.close();
  if (out.error() != QFileDevice::NoError) {
    out.remove();
    return false;
  }
  return true;
}

}  // namespace parlhora
