#include "cli/PortsCommand.h"

#include "platform/backends/TermiosSerialLines.h"
#include "serial/PortList.h"

namespace parlhora {

int runPortsCommand(QTextStream& out) {
  const TermiosSerialLines lines;
  return runPortsCommand(out, lines);
}

int runPortsCommand(QTextStream& out, const SerialLines& lines) {
  for (const QString& name : PortList::build(lines.listPorts())) out << name << '\n';
  out.flush();
  return 0;
}

}  // namespace parlhora
