#pragma once

#include <QString>
#include <cstdint>

namespace parlhora {

/// Tells systemd how a `Type=notify` service is doing, through libsystemd:
/// ready, alive (for the unit's watchdog) and stopping. Without
/// NOTIFY_SOCKET (not started by systemd) every call does nothing.
/// Core thread only.
class SystemdNotifier {
 public:
  SystemdNotifier();

  /// The settings are loaded: the service is up.
  void ready();
  /// Called from the core's tick: sends a watchdog ping once half of
  /// WATCHDOG_USEC has passed since the last one, so a core that stops
  /// ticking stops the pings. `nowMs` is monotonic.
  void tick(std::int64_t nowMs);
  void stopping();
  /// A short status shown by `systemctl status`.
  void status(const QString& text);

  /// Half of WATCHDOG_USEC in milliseconds; 0 without a watchdog.
  std::int64_t pingEveryMs() const { return pingEveryMs_; }

 private:
  void send(const QByteArray& state);

  std::int64_t pingEveryMs_ = 0;
  std::int64_t lastPingMs_ = -1;
};

}  // namespace parlhora
