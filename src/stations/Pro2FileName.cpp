#include "stations/Pro2FileName.h"

#include <QDir>
#include <QFileInfo>

namespace parlhora {

std::optional<QDate> Pro2FileName::month(const QString& path) {
  const QString name = QFileInfo(path).fileName();
  const qsizetype dash = name.indexOf(QLatin1Char('-'));
  const qsizetype dot = name.indexOf(QLatin1Char('.'));
  if (name.size() < 4 || dash < 0 || dot <= dash) return std::nullopt;
  bool yearOk = false;
  bool monthOk = false;
  const int year = name.left(4).toInt(&yearOk);
  const int m = name.mid(dash + 1, dot - dash - 1).toInt(&monthOk);
  const QDate first(year, m, 1);
  if (!yearOk || !monthOk || year < 1900 || !first.isValid()) return std::nullopt;
  return first;
}

bool Pro2FileName::hasWlkExtension(const QString& path) {
  return path.endsWith(QLatin1String(".wlk"), Qt::CaseInsensitive);
}

QString Pro2FileName::monthFile(const QString& folder, QDate month) {
  return QDir(folder).filePath(month.toString(QStringLiteral("yyyy-MM")) + QStringLiteral(".wlk"));
}

QString Pro2FileName::current(const QString& path, QDate today) {
  const auto own = month(path);
  if (own && own->year() == today.year() && own->month() == today.month()) return path;
  const QString candidate = monthFile(QFileInfo(path).path(), today);
  return QFileInfo(candidate).isFile() ? candidate : path;
}

}  // namespace parlhora
