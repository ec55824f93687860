#include "app/LogList.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include "app/SettingsFile.h"

namespace parlhora {
namespace {
// A log many times the cap is junk; reading it all would only waste memory.
constexpr qint64 kMaxReadBytes = 8 * 1024 * 1024;

// One entry is one line of the file, also after a reload.
QString oneLine(QString text) {
  text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
  return text;
}
}  // namespace

LogList::LogList(const Clock& clock, QString filePath) : clock_(clock), filePath_(std::move(filePath)) {}

bool LogList::fileUsable() const {
  const QFileInfo info(filePath_);
  return !info.exists() || info.isFile();
}

void LogList::load() {
  if (!fileUsable()) return;
  QFile file(filePath_);
  if (!file.open(QIODevice::ReadOnly)) return;
  const qint64 size = file.size();
  if (size > kMaxReadBytes && !file.seek(size - kMaxReadBytes)) return;
  const QByteArray bytes = file.read(kMaxReadBytes);
  if (bytes.isEmpty() && size > 0) return;
  QStringList lines;
  for (const QByteArray& line : SettingsFile::splitLines(bytes)) lines.append(QString::fromUtf8(line));
  if (lines.isEmpty() || lines.first() != QLatin1String(kHeader)) lines.prepend(QString::fromLatin1(kHeader));
  lines_ = lines;
  trim();
}

void LogList::AppendLogLine(const QString& text) {
  const QDateTime now = clock_.now();
  const QLocale locale = QLocale::system();
  const QString line = locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
                       locale.toString(now.time(), QLocale::LongFormat) + QLatin1Char(' ') + oneLine(text);
  lines_.append(line);
  trim();
  writeFile();
  if (echo_) echo_(line);
}

void LogList::trim() {
  // The header line stays; the oldest lines after it go.
  if (lines_.size() > kMaxLines) lines_.remove(1, lines_.size() - kMaxLines);
}

void LogList::writeFile() const {
  // Rewritten in place: a torn log costs little, while syncing a new copy
  // every line would cost every line. No path: a one-shot run keeps no log.
  if (filePath_.isEmpty() || !fileUsable()) return;
  QFile file(filePath_);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
  QByteArray bytes;
  for (const QString& line : lines_) bytes += line.toUtf8() + "\r\n";
  file.write(bytes);
}

}  // namespace parlhora
