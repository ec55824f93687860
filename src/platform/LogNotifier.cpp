#include "platform/LogNotifier.h"

namespace parlhora {

void LogNotifier::beep() {
  if (sink_) sink_(QStringLiteral("Signalton"));
}

void LogNotifier::errorBox(const QString& text) {
  if (sink_) sink_(QStringLiteral("Meldung: ") + text);
}

}  // namespace parlhora
