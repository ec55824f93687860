#include "platform/backends/XdgAutostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace parlhora {
namespace {

QString quoted(QString word) {
  static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
  bool plain = !word.isEmpty();
  for (const QChar c : word)
    if (reserved.contains(c)) plain = false;
  word.replace(QStringLiteral("%"), QStringLiteral("%%"));
  if (plain) return word;
  QString out;
  for (const QChar c : word) {
    // Inside quotes these four are backslash-escaped; then the string-value
    // rule doubles every backslash once more.
    if (c == QLatin1Char('\\'))
      out += QStringLiteral("\\\\\\\\");
    else if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$'))
      out += QStringLiteral("\\\\") + c;
    else
      out += c;
  }
  return QLatin1Char('"') + out + QLatin1Char('"');
}

}  // namespace

XdgAutostart::XdgAutostart(QString configHome, QString executable, QStringList arguments)
    : configHome_(std::move(configHome)),
      executable_(std::move(executable)),
      arguments_(std::move(arguments)) {}

QString XdgAutostart::defaultConfigHome() {
  const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (!config.isEmpty() && QDir::isAbsolutePath(config)) return config;
  return QDir::homePath() + QStringLiteral("/.config");
}

QString XdgAutostart::filePath() const { return configHome_ + QStringLiteral("/autostart/pirolo.desktop"); }

QString XdgAutostart::execLine(const QString& executable, const QStringList& arguments) {
  QStringList words{quoted(executable)};
  for (const QString& a : arguments) words << quoted(a);
  return words.join(QLatin1Char(' '));
}

bool XdgAutostart::isEnabled() const { return QFileInfo::exists(filePath()); }

bool XdgAutostart::setEnabled(bool enabled) {
  const QString path = filePath();
  if (!enabled) return !QFileInfo::exists(path) || QFile::remove(path);

  // A line break would end the Exec= line early.
  QStringList words = arguments_;
  words << executable_;
  for (const QString& w : words)
    if (w.contains(QLatin1Char('\n')) || w.contains(QLatin1Char('\r'))) return false;
  if (!QDir().mkpath(configHome_ + QStringLiteral("/autostart"))) return false;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  const QString text = QStringLiteral(
                           "[Desktop Entry]\n"
                           "Type=Application\n"
                           "Name=Parlhora\n"
                           "Comment=Zeit- und Wetteransage\n"
                           "Exec=%1\n"
                           "Terminal=false\n"
                           "X-GNOME-Autostart-enabled=true\n")
                           .arg(execLine(executable_, arguments_));
  const QByteArray bytes = text.toUtf8();
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

}  // namespace parlhora
