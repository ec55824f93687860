#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace parlhora {

/// `parlhora voice check`: one line per file in the program folder's voice/,
/// sorted by name — "son1.wav: ersetzt son1" for a recording that will be
/// played, "notes.txt: kein Baustein" for a name that is not a piece, and
/// "son2.wav: <reader's failure text>" for one the reader refuses — then a
/// count. Returns 0 when every recording passes the reader, 1 when one fails,
/// 2 on a usage error.
int runVoiceCommand(const QStringList& args, const QString& programFolder, QTextStream& out,
                    QTextStream& err);

}  // namespace parlhora
