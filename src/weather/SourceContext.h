#pragma once

#include <QString>
#include <functional>

namespace parlhora {

class Clock;
class Notifier;
struct UnitFactors;

/// What every weather source borrows from the core. All of it outlives the
/// sources; core thread only.
struct SourceContext {
  Clock& clock;
  Notifier& notifier;        // the beep on a read fault, boxes
  const UnitFactors& units;  // the user's current units
  QString programFolder;     // side files ("metar_web.txt", ...)
  QString weatherFolder;     // the public weather folder; empty = none
  /// True while an announcement plays (the Monitor II defers its refresh).
  std::function<bool()> announcementPlaying = [] { return false; };
  /// Appends a line to the program log.
  std::function<void(const QString&)> logLine = [](const QString&) {};
};

}  // namespace parlhora
