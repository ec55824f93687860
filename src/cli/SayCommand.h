#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace parlhora {

/// `parlhora say [--at "YYYY-MM-DD hh:mm"] [--dry-run | --out FILE.wav]`:
/// one announcement with the settings of `programFolder` through the real
/// sequencer. --dry-run prints its events, --out renders it into a WAV file;
/// both run on a virtual clock and touch no hardware. Without either it
/// plays on the configured sound card and keys the configured port.
/// Returns 0 when the announcement ended normally.
int runSayCommand(const QStringList& args, const QString& programFolder, QTextStream& out, QTextStream& err);

/// `parlhora schedule [--date YYYY-MM-DD]`: the hh:mm of every timed
/// announcement of that day with the settings of `programFolder`.
int runScheduleCommand(const QStringList& args, const QString& programFolder, QTextStream& out,
                       QTextStream& err);

}  // namespace parlhora
