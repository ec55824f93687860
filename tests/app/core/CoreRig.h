#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "app/ParlhoraCore.h"
#include "fakes/FakePlatform.h"

namespace parlhora {

/// The core on fakes and a virtual clock, in a fresh program folder.
struct CoreRig {
  explicit CoreRig(const QByteArray* settingsFile = nullptr, const QByteArray* logFile = nullptr)
      : platform(home.path(), QDateTime(QDate(2026, 3, 5), QTime(14, 34, 58))) {
    if (settingsFile) write("parlhora.ini", *settingsFile);
    if (logFile) write("parlhora.log", *logFile);
    serial.ports = {"ttyS0", "ttyUSB0"};
    ParlhoraCore::Options options;
    options.settingsExisted = settingsFile != nullptr;
    options.logExisted = logFile != nullptr;
    core = std::make_unique<ParlhoraCore>(platform.set(), options);
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
  FakePlatform platform;
  VirtualClock& clock = platform.clock;
  FakeWaveOut& waveOut = platform.waveOut;
  FakeSerialLines& serial = platform.serial;
  FakeNotifier& notifier = platform.notifier;
  FakeAutostart& autostart = platform.autostart;
  PosixSettingsStore& store = platform.store;
  std::unique_ptr<ParlhoraCore> core;
};

}  // namespace parlhora
