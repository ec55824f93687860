#pragma once

#include <QDateTime>
#include <QString>
#include <QTextStream>

namespace parlhora {

struct AnnouncerSettings;

/// `parlhora decode net FILE`: one station upload (an Ecowitt form body or
/// a Wunderground query string) read as the network station would take it,
/// with the settings' units, trim and key, at `now`. Nothing is stored; with
/// no history the tendency and the 24-hour rain are absent. 0 when the
/// upload was taken, 1 otherwise.
int runDecodeNet(const QString& file, const AnnouncerSettings& settings, const QDateTime& now,
                 QTextStream& out, QTextStream& err);

}  // namespace parlhora
