#include "cli/ConfigCommand.h"

#include "app/SettingsFile.h"
#include "app/SettingsService.h"
#include "audio/CwIdCheck.h"
#include "platform/backends/DeviceNode.h"
#include "platform/backends/PosixSettingsStore.h"
#include "serial/PortList.h"

#include <QFileInfo>

namespace parlhora {

namespace {

// A line of the file is shown as it stands, but a terminal must not act on
// its control bytes (escape sequences, carriage returns).
QString printable(const QByteArray& bytes) {
  QString text;
  for (const QChar c : QString::fromUtf8(bytes)) {
    const char16_t u = c.unicode();
    if (u < 0x20 || u == 0x7f || (u >= 0x80 && u < 0xa0) || u == '\\')
      text +=
          u == '\\' ? QStringLiteral("\\\\") : QStringLiteral("\\x%1").arg(int(u), 2, 16, QLatin1Char('0'));
    else
      text += c;
  }
  return text;
}

void reportPort(QTextStream& err, const char* key, const QByteArray& value) {
  const QString port = PortList::portNameFromSetting(value);
  if (PortList::isNoCom(port)) return;
  const QString device = PortList::devicePath(port);
  const QString line = QStringLiteral("parlhora.ini: ") + QLatin1String(key) + printable(value) + ": ";
  if (device.isEmpty())
    err << line << "not a port name" << Qt::endl;
  else if (!QFileInfo::exists(device))
    err << line << device << " does not exist" << Qt::endl;
  else if (!DeviceNode::characterDeviceProblem(device).isEmpty())
    err << line << device << " is no character device" << Qt::endl;
}

}  // namespace

int runConfigCommand(const QString& programFolder, bool rewrite, QTextStream& err) {
  PosixSettingsStore store(programFolder);
  const SettingsStore::ReadResult file = store.read();
  if (file.status != SettingsStore::ReadStatus::Ok) {
    err << store.filePath() << ": cannot read: " << file.error << Qt::endl;
    return 1;
  }
  AnnouncerSettings settings;
  const LoadReport report = SettingsFile::load(file.bytes, settings, SettingsService::probeIn(programFolder));
  for (const IgnoredLine& line : report.ignored)
    err << "parlhora.ini:" << line.lineNumber << ": " << line.reason << ": " << printable(line.text)
        << Qt::endl;
  // The program keeps a port it cannot open and retries it; here the user
  // learns about a name that can never work, or a device absent right now.
  reportPort(err, "COM=", settings.lines.port);
  reportPort(err, "METCOMM=", settings.monitor.port);
  // These keep their value but leave the identification out of every announcement.
  for (const QString& problem : CwIdCheck::problems(settings.cwid))
    err << "parlhora.ini: " << problem << Qt::endl;
  if (!rewrite) return 0;
  QString error;
  if (!store.write(SettingsFile::save(settings), &error)) {
    err << "Fehler: parlhora.ini: " << error << Qt::endl;
    return 1;
  }
  return 0;
}

}  // namespace parlhora
