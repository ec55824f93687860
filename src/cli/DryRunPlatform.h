#pragma once

#include <QDateTime>
#include <functional>
#include <memory>

#include "cli/TraceClock.h"
#include "platform/Autostart.h"
#include "platform/PlatformSet.h"
#include "platform/VirtualClock.h"
#include "platform/backends/FileWaveOut.h"
#include "platform/backends/PosixSettingsStore.h"
#include "platform/backends/TermiosStationPort.h"
#include "platform/backends/TraceSerialLines.h"

namespace parlhora {

/// The platform of a one-shot announcement on a virtual clock: lines and
/// waits traced to `print`, pieces played silently (`outFile` empty) or
/// rendered into one WAV file, the real settings file read, autostart left
/// alone. Core thread only.
class DryRunPlatform {
 public:
  using Sink = std::function<void(const QString&)>;

  DryRunPlatform(const QString& programFolder, const QDateTime& start, const QString& outFile, Sink print);
  DryRunPlatform(const DryRunPlatform&) = delete;
  DryRunPlatform& operator=(const DryRunPlatform&) = delete;

  PlatformSet set(Notifier& notifier);
  VirtualClock& virtualClock() { return virtualClock_; }
  /// The rendered file, or null for a dry run.
  FileWaveOut* file() const { return file_; }

 private:
  // One-shot commands never touch the autostart entry.
  class NoAutostart final : public Autostart {
   public:
    bool setEnabled(bool) override { return true; }
    bool isEnabled() const override { return false; }
  };

  QString programFolder_;
  VirtualClock virtualClock_;
  TraceClock clock_;
  TraceSerialLines lines_;
  std::unique_ptr<WaveOut> device_;
  FileWaveOut* file_ = nullptr;
  NoAutostart autostart_;
  PosixSettingsStore store_;
  // The weather station is read for real, so a dry run speaks its readings.
  TermiosStationPort station_;
};

}  // namespace parlhora
