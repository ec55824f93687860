#include "platform/backends/XdgPaths.h"

#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace parlhora {
namespace {

bool writableFolder(const QString& path) {
  return !path.isEmpty() && QFileInfo(path).isDir() &&
         ::access(QFile::encodeName(path).constData(), W_OK) == 0;
}

QString made(const QString& path) {
  if (path.isEmpty() || !QDir().mkpath(path)) return QString();
  return QDir(path).absolutePath();
}

QString userHome(const XdgPaths::Environment& env) {
  const QString home = env("HOME");
  return home.isEmpty() ? QDir::homePath() : home;
}

}  // namespace

XdgPaths::Environment XdgPaths::systemEnvironment() {
  return [](const char* name) { return qEnvironmentVariable(name); };
}

XdgPaths::XdgPaths(const QString& home, const QString& executableFolder, Environment env) {
  if (!home.isEmpty()) {
    programFolder_ = made(home);
  } else if (writableFolder(executableFolder)) {
    programFolder_ = QDir(executableFolder).absolutePath();
  } else {
    QString data = env("XDG_DATA_HOME");
    if (data.isEmpty() || QDir::isRelativePath(data)) data = userHome(env) + QStringLiteral("/.local/share");
    programFolder_ = made(data + QStringLiteral("/parlhora"));
  }
  weatherFolder_ = made(publicShareFolder(env) + QStringLiteral("/weather"));
}

QString XdgPaths::publicShareFolder(const Environment& env) const {
  const QString home = userHome(env);
  QString dir = env("XDG_PUBLICSHARE_DIR");
  if (dir.isEmpty()) {
    QString config = env("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config)) config = home + QStringLiteral("/.config");
    QFile dirs(config + QStringLiteral("/user-dirs.dirs"));
    if (dirs.open(QIODevice::ReadOnly)) {
      for (const QByteArray& raw : dirs.readAll().split('\n')) {
        const QByteArray line = raw.trimmed();
        if (!line.startsWith("XDG_PUBLICSHARE_DIR=")) continue;
        QString value = QFile::decodeName(line.mid(20));
        if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
          value = value.mid(1, value.size() - 2);
        value.replace(QStringLiteral("$HOME"), home);
        dir = value;
      }
    }
  }
  // A public folder equal to the home folder means the user switched it off.
  if (dir.isEmpty() || QDir::isRelativePath(dir) || QDir(dir) == QDir(home))
    dir = home + QStringLiteral("/Public");
  return dir;
}

}  // namespace parlhora
