#include "internet/AprsPage.h"

#include <QFile>

#include "internet/MetarPage.h"
#include "internet/MetarSideFiles.h"
#include "platform/Notifier.h"

namespace parlhora {

namespace {

// Pages are read whole; anything larger is no packet page.
constexpr qint64 kMaxPageBytes = 8 * 1024 * 1024;

}  // namespace

QString AprsPage::extract(const QStringList& lines, Status& status) {
  if (lines.isEmpty()) {
    status = NoLines;
    return {};
  }
  for (auto it = lines.crbegin(); it != lines.crend(); ++it) {
    if (!it->contains(QLatin1String("raw_line"))) continue;
    const QString line = MetarPage::withoutMarkup(*it);
    status = line.contains(u'_') ? Ok : NoWeather;
    return status == Ok ? line : QString();
  }
  status = NoPacket;
  return {};
}

AprsPage::Status AprsPage::examine(const QString& path, Notifier& notifier) {
  QFile file(path);
  if (!file.exists()) return NoDataFile;
  if (!file.open(QIODevice::ReadOnly)) return CannotOpen;
  if (file.size() < 3) return DownloadFailed;
  if (!file.peek(3).contains('<')) return Ok;  // a plain weather file, used as it came
  if (file.size() > kMaxPageBytes) return NoPacket;
  const QStringList all = MetarPage::lines(file.readAll());
  file.close();
  Status status = Ok;
  const QString line = extract(all, status);
  if (status != Ok) return status;
  if (!MetarSideFiles::writeLines(path, {line})) {
    notifier.errorBox(QStringLiteral("Unmöglich um aprs_web.txt zu speichern"));
    return CannotSave;
  }
  return Ok;
}

}  // namespace parlhora
