#pragma once

#include <QString>
#include <QStringList>

namespace parlhora {

/// `parlhora --headless`: the same core as the program with windows, on the
/// real backends, with message boxes and beeps as log lines and status and
/// log lines also on standard output. Runs until SIGINT or SIGTERM, then
/// shuts down as closing the main window would. Needs a QCoreApplication.
int runHeadless(const QString& home, const QString& program, const QStringList& autostartArguments);

}  // namespace parlhora
