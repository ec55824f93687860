#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace parlhora {

class Notifier;

/// What came back from a METAR address: a plain report file taken as it is,
/// or a web page from which the wanted airport's report line is cut out.
class MetarPage {
 public:
  /// Fetch statuses shown as "Dateifehler #" + number.
  enum Status {
    Ok = 0,
    DownloadFailed = 1,
    CannotOpen = 2,
    NoDataFile = 4,
    NoLines = 5,
    NoReport = 6,
    CannotSave = 8,
  };

  /// The report line of `code` in the page's lines, markup removed and
  /// spaces trimmed; empty when there is none (a "TAF:" line never counts).
  static QString extract(const QStringList& lines, const QString& code);

  /// Examines the downloaded file `path` for `address` and, for a page,
  /// replaces it by the single report line. A file shorter than 3 bytes
  /// is a failed download.
  static Status examine(const QString& path, const QString& address, Notifier& notifier);

  /// `text` without "<...>" tags, outer spaces trimmed; an unclosed "<"
  /// drops the text before it.
  static QString withoutMarkup(const QString& text);

  /// Lines of a data file, CR LF or LF, bytes taken as Latin-1.
  static QStringList lines(const QByteArray& data);
};

}  // namespace parlhora
