#include "internet/MetarPage.h"

#include <QFile>
#include <QFileInfo>

#include "internet/MetarAddress.h"
#include "internet/MetarSideFiles.h"
#include "platform/Notifier.h"

namespace parlhora {

namespace {

// Pages are read whole; anything larger is no METAR page.
constexpr qint64 kMaxPageBytes = 8 * 1024 * 1024;

bool isReportAt(const QString& line, qsizetype p) {
  return p + 11 < line.size() && line[p + 4] == u' ' && line[p + 11] == u'Z';
}

// Removes "<...>" tags; a ">" before the first "<" drops everything up to
// that "<". One pass, so a page of unclosed tags costs no more than its size.
QString stripMarkup(const QString& text) {
  QString line;
  qsizetype pos = 0;
  bool anyClose = true;
  for (;;) {
    const qsizetype a = text.indexOf(u'<', pos);
    if (a < 0) break;
    const qsizetype b = anyClose ? text.indexOf(u'>', pos) : -1;
    anyClose = b >= 0;
    if (a < b) {
      line += QStringView(text).mid(pos, a - pos);
      pos = b + 1;
    } else {
      line.clear();
      pos = a + 1;
    }
  }
  line += QStringView(text).mid(pos);
  qsizetype start = 0;
  while (start < line.size() && line[start] == u' ') ++start;
  qsizetype end = line.size();
  while (end > start && line[end - 1] == u' ') --end;
  return line.mid(start, end - start);
}

}  // namespace

QString MetarPage::withoutMarkup(const QString& text) { return stripMarkup(text); }

QStringList MetarPage::lines(const QByteArray& data) {
  QStringList out = QString::fromLatin1(data).split(u'\n');
  for (QString& l : out)
    if (l.endsWith(u'\r')) l.chop(1);
  if (!out.isEmpty() && out.last().isEmpty()) out.removeLast();
  return out;
}

QString MetarPage::extract(const QStringList& lines, const QString& code) {
  if (code.isEmpty()) return {};
  for (const QString& line : lines) {
    const qsizetype p = line.indexOf(code);
    if (p < 0 || !isReportAt(line, p) || line.contains(QLatin1String("TAF:"))) continue;
    const QString report = stripMarkup(line.mid(p));
    if (!report.isEmpty()) return report;
  }
  return {};
}

MetarPage::Status MetarPage::examine(const QString& path, const QString& address, Notifier& notifier) {
  QFile file(path);
  if (!file.exists()) return NoDataFile;
  if (!file.open(QIODevice::ReadOnly)) return CannotOpen;
  if (file.size() < 3) return DownloadFailed;
  const QByteArray head = file.peek(3);
  if (!head.contains('<')) return Ok;  // a plain report file, used as it came
  if (file.size() > kMaxPageBytes) return NoReport;
  const QStringList all = lines(file.readAll());
  file.close();
  if (all.isEmpty()) return NoLines;
  const QString code = MetarAddress::airportCode(address);
  if (code.isEmpty()) return NoReport;
  const QString report = extract(all, code);
  if (report.isEmpty()) return NoReport;
  if (!MetarSideFiles::writeLines(path, {report})) {
    notifier.errorBox(QStringLiteral("Unmöglich um metar_web.txt zu speichern"));
    return CannotSave;
  }
  return Ok;
}

}  // namespace parlhora
