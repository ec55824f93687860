#pragma once

#include <QDateTime>
#include <QStringList>
#include <optional>

namespace parlhora {

/// The report date of an APRS data file: the date line of a two-line
/// weather file ("Dec 07 2026 10:20"), or the "yyyy-MM-dd hh:mm:ss" stamp
/// that starts a packet line cut from the service's page.
struct AprsReportDate {
  QString shown;           // Editdatemeteo
  QDateTime local;         // wall-clock fields in a UTC QDateTime, like every report time
  bool pageStamp = false;  // the page's stamp is local time: ComboBoxTU goes to "Lok"

  /// `lines` are the file's non-empty lines. With `universal` a date line
  /// is taken as UTC and moved to local standard time by the offset of
  /// `now`'s zone. Nothing when neither form is there; a form whose fields
  /// do not make a date still shows its text but gives no time.
  static std::optional<AprsReportDate> read(const QStringList& lines, bool universal, const QDateTime& now);
};

}  // namespace parlhora
