#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "platform/AlsaWaveOut.h"
#include "platform/LocalSocketRecorderChannel.h"
#include "platform/PosixSharedLink.h"
#include "platform/PosixSettingsStore.h"
#include "platform/SystemClock.h"
#include "platform/TermiosSerialLines.h"
#include "platform/XdgAutostart.h"
#include "platform/XdgPaths.h"

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

  SystemClock clock;
  XdgPaths paths;
  AlsaWaveOut waveOut;
  TermiosSerialLines serialLines;
  XdgAutostart autostart;
  PosixSettingsStore settingsStore;
  PosixSharedLink sharedLink;
  LocalSocketRecorderChannel recorder;
};

}  // namespace parlhora
