#include "platform/backends/SystemdNotifier.h"

#include <systemd/sd-daemon.h>

namespace parlhora {

SystemdNotifier::SystemdNotifier() {
  std::uint64_t usec = 0;
  if (sd_watchdog_enabled(0, &usec) > 0) pingEveryMs_ = static_cast<std::int64_t>(usec / 2000);
}

void SystemdNotifier::ready() { send("READY=1"); }

void SystemdNotifier::tick(std::int64_t nowMs) {
  if (pingEveryMs_ <= 0) return;
  if (lastPingMs_ >= 0 && nowMs - lastPingMs_ < pingEveryMs_) return;
  lastPingMs_ = nowMs;
  send("WATCHDOG=1");
}

void SystemdNotifier::stopping() { send("STOPPING=1"); }

void SystemdNotifier::status(const QString& text) {
  // One line: a newline would start another assignment.
  QString line = text;
  line.replace(QLatin1Char('\n'), QLatin1Char(' '));
  send("STATUS=" + line.toUtf8());
}

void SystemdNotifier::send(const QByteArray& state) {
  // Failures (no socket, systemd gone) change nothing for the program.
  sd_notify(0, state.constData());
}

}  // namespace parlhora
