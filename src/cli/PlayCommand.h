#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace parlhora {

class WaveOut;

/// `parlhora play NAME|FILE [--device N] [--out FILE.wav]`: plays one
/// built-in piece or one WAV file (or, with `--cw TEXT [--wpm N] [--hz F]`,
/// Morse made as the station identification is) through the reader and the wave engine
/// (the sound card, or rendered into FILE.wav) and prints "ok <channels>ch
/// <rate> Hz <bits> bit <seconds> s" on `out`, or the failure text on `err`.
/// `args` are the words after the program name ("play" first or not).
/// Returns 0 only when it played; 1 on a failure, 2 on a usage error.
/// A relative FILE is taken from the current folder if it is there, else
/// from `programFolder`. Core thread, with a running Qt application.
int runPlayCommand(const QStringList& args, const QString& programFolder, QTextStream& out, QTextStream& err);

/// `parlhora devices`: "-1 default" and then "N description" per output
/// device. Returns 0.
int runDevicesCommand(QTextStream& out);
/// The same for a given backend (tests).
int runDevicesCommand(QTextStream& out, WaveOut& waveOut);

}  // namespace parlhora
