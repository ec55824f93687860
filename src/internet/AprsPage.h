#pragma once

#include <QString>
#include <QStringList>

namespace parlhora {

class Notifier;

/// What came back from an APRS address: a plain weather file used as it
/// is, or a raw-packet page of the service from which the newest packet
/// line is cut out.
class AprsPage {
 public:
  /// Fetch statuses shown as "Dateifehler #" + number.
  enum Status {
    Ok = 0,
    DownloadFailed = 1,
    CannotOpen = 2,
    NoDataFile = 4,
    NoLines = 5,
    NoPacket = 6,   // no "raw_line": usually not logged in
    NoWeather = 7,  // the packet carries no "_" weather marker
    CannotSave = 8,
  };

  /// The service: its host word and the page where the user logs in.
  static constexpr char kHost[] = "aprs.fi";
  static QString loginUrl() { return QStringLiteral("https://aprs.fi/?c=login"); }
  /// ButtonLogin's caption.
  static QString loginCaption() { return QString::fromLatin1(kHost) + QStringLiteral(" anmelden"); }
  /// The hint shown for status 6 on one of the service's pages.
  static QString loginHint() {
    return QStringLiteral("Bitte die URL überprüfen oder ") + QString::fromLatin1(kHost) +
           QStringLiteral(" anzumelden, dann aktualisieren");
  }

  /// The last line holding "raw_line", without markup; `status` tells why
  /// there is none.
  static QString extract(const QStringList& lines, Status& status);

  /// Examines the downloaded file `path`: a page (a "<" in its first three
  /// bytes) is replaced by its packet line. A file shorter than 3 bytes is
  /// a failed download.
  static Status examine(const QString& path, Notifier& notifier);
};

}  // namespace parlhora
