#pragma once

#include <QDateTime>
#include <QString>

#include "fakes/FakeAutostart.h"
#include "fakes/FakeNotifier.h"
#include "fakes/FakeSerialLines.h"
#include "fakes/NoStationPort.h"
#include "fakes/FakeWaveOut.h"
#include "platform/PlatformSet.h"
#include "platform/VirtualClock.h"
#include "platform/backends/PosixSettingsStore.h"

namespace parlhora {

/// The core's platform in tests: a virtual clock, the fake device, lines,
/// notifier and autostart, and the real settings store on `folder`.
struct FakePlatform {
  FakePlatform(const QString& folder, const QDateTime& start,
               FakeWaveOut::Mode mode = FakeWaveOut::Mode::PlayTime)
      : programFolder(folder), clock(start), waveOut(clock, mode), store(folder) {}

  PlatformSet set() {
    return PlatformSet{clock, waveOut, serial, notifier, autostart, store, station, programFolder, {}};
  }

  QString programFolder;
  VirtualClock clock;
  FakeWaveOut waveOut;
  FakeSerialLines serial;
  FakeNotifier notifier;
  FakeAutostart autostart;
  PosixSettingsStore store;
  NoStationPort station;
};

}  // namespace parlhora
