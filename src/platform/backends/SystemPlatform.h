#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "platform/PlatformSet.h"

#include "platform/backends/AlsaWaveOut.h"
#include "platform/backends/LocalSocketRecorderChannel.h"
#include "platform/backends/PosixSettingsStore.h"
#include "platform/backends/PosixSharedLink.h"
#include "platform/backends/TcpStreamServer.h"
#include "platform/backends/SystemClock.h"
#include "platform/backends/TermiosSerialLines.h"
#include "platform/backends/TermiosStationPort.h"
#include "platform/backends/XdgAutostart.h"
#include "platform/backends/XdgPaths.h"

namespace parlhora {

/// The real backends of this machine, picked in one place: the system clock,
/// ALSA, termios, the XDG folders and autostart entry, the settings file on
/// disk. Core thread only.
class SystemPlatform {
 public:
  /// `home` is --home DIR (empty for the default folder); `program` the
  /// running executable's path, `arguments` the options that autostart must
  /// repeat (such as --home).
  SystemPlatform(const QString& home, const QString& program, const QStringList& arguments);
  SystemPlatform(const SystemPlatform&) = delete;
  SystemPlatform& operator=(const SystemPlatform&) = delete;

  /// The set the core runs on, with `notifier` for beeps and boxes (a
  /// window's or the log's).
  PlatformSet set(Notifier& notifier);
  /// The same for a one-shot command: it never opens the simplex link, so
  /// the partner is not told of a coming and going that is no program start.
  PlatformSet oneShotSet(Notifier& notifier);

  SystemClock clock;
  XdgPaths paths;
  AlsaWaveOut waveOut;
  TermiosSerialLines serialLines;
  XdgAutostart autostart;
  PosixSettingsStore settingsStore;
  TermiosStationPort stationPort;
  PosixSharedLink sharedLink;
  LocalSocketRecorderChannel recorder;
  TcpStreamServer uploadServer;
};

}  // namespace parlhora
