#pragma once

#include <QString>
#include <QTextStream>

namespace parlhora {

struct AnnouncerSettings;

/// `parlhora decode metar FILE`: one METAR refresh on a local file, as if it
/// had been downloaded from METAR_DAT= (no network), with the units and the
/// pressure adjustment of `settings`. Writes "metar_web.txt" and the side
/// files into `programFolder` (and `weatherFolder` when it exists) and prints
/// one "Name=value" line per reading, then the window captions, then
/// "Status=" with the fetch status. Returns 0 when that status is 0, else 1.
int runDecodeMetar(const QString& file, AnnouncerSettings& settings, const QString& programFolder,
                   const QString& weatherFolder, QTextStream& out, QTextStream& err);

}  // namespace parlhora
