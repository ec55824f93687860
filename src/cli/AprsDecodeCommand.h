#pragma once

#include <QString>
#include <QTextStream>

namespace parlhora {

struct AnnouncerSettings;

/// `parlhora decode aprs FILE`: one APRS refresh on a local page or weather
/// file, as if it had been downloaded from APRS_DAT= (no network), with the
/// units, raw units and pressure adjustment of `settings`. Writes
/// "aprs_web.txt" and "aprs_cw.txt" into `programFolder` (and "aprs_cw.txt"
/// into `weatherFolder` when it exists) and prints one "Name=value" line per
/// reading, then the window captions, then "Status=" with the fetch status.
/// Returns 0 when that status is 0, else 1.
int runDecodeAprs(const QString& file, AnnouncerSettings& settings, const QString& programFolder,
                  const QString& weatherFolder, QTextStream& out, QTextStream& err);

}  // namespace parlhora
