#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "app/ParlhoraCore.h"
#include "fakes/FakeAutostart.h"
#include "fakes/FakeNotifier.h"
#include "fakes/FakeSerialLines.h"
#include "fakes/FakeWaveOut.h"
#include "platform/backends/PosixSettingsStore.h"
#include "platform/VirtualClock.h"

namespace parlhora {

/// The core on fakes and a virtual clock, in a fresh program folder.
struct CoreRig {
  explicit CoreRig(const QByteArray* settingsFile = nullptr, const QByteArray* logFile = nullptr)
      : clock(QDateTime(QDate(2026, 3, 5), QTime(14, 34, 58))),
        waveOut(clock, FakeWaveOut::Mode::PlayTime),
        store(home.path()) {
    if (settingsFile) write("parlhora.ini", *settingsFile);
    if (logFile) write("parlhora.log", *logFile);
    serial.ports = {"ttyS0", "ttyUSB0"};
    ParlhoraCore::Options options;
    options.settingsExisted = settingsFile != nullptr;
    options.logExisted = logFile != nullptr;
    core = std::make_unique<ParlhoraCore>(
        PlatformSet{clock, waveOut, serial, notifier, autostart, store, home.path(), {}}, options);
  }

  void write(const QString& name, const QByteArray& bytes) {
    QFile file(QDir(home.path()).filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
  }
  QByteArray read(const QString& name) const {
    QFile file(QDir(home.path()).filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  QTemporaryDir home;
  VirtualClock clock;
  FakeWaveOut waveOut;
  FakeSerialLines serial;
  FakeNotifier notifier;
  FakeAutostart autostart;
  PosixSettingsStore store;
  std::unique_ptr<ParlhoraCore> core;
};

}  // namespace parlhora
