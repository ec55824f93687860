#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace parlhora {

/// `parlhora decode metar|aprs|ws23|ws28|wlk|net FILE`: runs that source's
/// refresh on a local file with the settings file's units and options and
/// prints one `Name=value` line per field, then `Status=`. No network.
/// Exit status 0 when the status is 0, 1 otherwise, 2 for bad arguments.
int runDecodeCommand(const QStringList& args, const QString& programFolder, const QString& weatherFolder,
                     QTextStream& out, QTextStream& err);

}  // namespace parlhora
