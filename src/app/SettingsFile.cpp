#include "app/SettingsFile.h"

#include "app/Version.h"

#include "app/SettingsKeyTable.h"

namespace parlhora {

QList<QByteArray> SettingsFile::splitLines(const QByteArray& bytes) {
  QList<QByteArray> lines;
  qsizetype start = 0;
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c != '\r' && c != '\n') continue;
    lines.append(bytes.mid(start, i - start));
    if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < bytes.size()) lines.append(bytes.mid(start));
  return lines;
}

LoadReport SettingsFile::load(const QByteArray& fileBytes, AnnouncerSettings& settings,
                              const FileProbe& fileExists) {
  LoadReport report;
  SettingsLoadContext context{settings, fileExists, report, std::nullopt};
  const SettingsKeyTable& table = SettingsKeyTable::instance();
  const QList<QByteArray> lines = splitLines(fileBytes);
  for (int n = 0; n < lines.size(); ++n) {
    const QByteArray& line = lines[n];
    const auto ignore = [&](const QString& reason) { report.ignored.append({n + 1, line, reason}); };
    const qsizetype eq = line.indexOf('=');
    if (eq < 0) {
      // The header holds no '=', and blank lines say nothing.
      if (n > 0 && !line.trimmed().isEmpty()) ignore(QStringLiteral("not a key=value line"));
      continue;
    }
    if (eq == 0) {
      ignore(QStringLiteral("no key"));
      continue;
    }
    const QByteArray key = line.left(eq + 1);
    const SettingsKeyRule* rule = table.find(key);
    if (!rule) {
      ignore(QStringLiteral("unknown key"));
      continue;
    }
    const QString reason = rule->apply(context, key, line.mid(eq + 1));
    if (!reason.isEmpty()) ignore(reason);
  }
  if (context.chosenSource) settings.source = *context.chosenSource;
  return report;
}

QByteArray SettingsFile::header() { return QByteArray("[PARLHORA V") + kVersion + "]"; }

QByteArray SettingsFile::save(const AnnouncerSettings& settings) {
  QList<QByteArray> lines{header()};
  for (const SettingsKeyRule& rule : SettingsKeyTable::instance().rules()) rule.write(settings, lines);
  QByteArray out;
  for (const QByteArray& line : lines) out += line + "\r\n";
  return out;
}

}  // namespace parlhora
