#pragma once

#include <QTextStream>

namespace parlhora {

class SerialLines;

/// `parlhora ports`: prints the port list, one name a line, "No COM" first.
/// Returns the exit code (0).
int runPortsCommand(QTextStream& out);
/// The same on given lines (tests).
int runPortsCommand(QTextStream& out, const SerialLines& lines);

}  // namespace parlhora
