#include "cli/DryRunPlatform.h"

#include "platform/backends/SilentWaveOut.h"

namespace parlhora {

DryRunPlatform::DryRunPlatform(const QString& programFolder, const QDateTime& start, const QString& outFile,
                               Sink print)
    : programFolder_(programFolder),
      virtualClock_(start),
      clock_(virtualClock_, print),
      lines_(print),
      store_(programFolder) {
  if (outFile.isEmpty()) {
    device_ = std::make_unique<SilentWaveOut>(virtualClock_);
  } else {
    auto file = std::make_unique<FileWaveOut>(outFile, virtualClock_);
    file_ = file.get();
    device_ = std::move(file);
  }
}

PlatformSet DryRunPlatform::set(Notifier& notifier) {
  return PlatformSet{clock_, *device_, lines_, notifier, autostart_, store_, station_, programFolder_, {}};
}

}  // namespace parlhora
