#pragma once

#include <QDateTime>
#include <QString>
#include <QTextStream>

#include "weather/HistoryFileSettings.h"
#include "weather/UnitsSettings.h"

namespace parlhora {

/// "ws23", "ws28" or "wlk".
bool isStationFileKind(const QString& kind);

/// `parlhora decode ws23|ws28|wlk FILE`: one refresh of that source on FILE
/// with the units and the window settings (`source`: trim, threshold,
/// pressure choice, current-month rule) of the settings file, at `now`.
/// Prints one "Name=value" line per reading (plain C-locale numbers, no
/// unit), RecordInterval in minutes, DataTime as "yyyy-MM-dd hh:mm", the
/// window's captions by control name, then "Status=" with 0 or the error
/// text. For wlk, FILE may be the folder of the month files. Returns 0 when
/// the status is 0, 1 otherwise; a missing FILE or an unknown kind print
/// only to `err`. Changes no settings and no file.
int runDecodeStationFile(const QString& kind, const QString& file, const UnitsSettings& units,
                         const HistoryFileSettings& source, const QDateTime& now, QTextStream& out,
                         QTextStream& err);

}  // namespace parlhora
