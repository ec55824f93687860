#pragma once

#include <QString>
#include <functional>

#include "app/SettingsFile.h"
#include "platform/Notifier.h"
#include "platform/SettingsStore.h"

namespace parlhora {

/// `LoadSettings` and `SaveSettings` of the program: the settings file text
/// on one side, the store on disk on the other. Holds references only; the
/// store and notifier must outlive it. Core thread only.
class SettingsService {
 public:
  using StatusSink = std::function<void(const QString&)>;  // EditData

  SettingsService(SettingsStore& store, Notifier& notifier, FileProbe fileExists, StatusSink status);

  /// Applies the stored file onto `settings`; a missing or unreadable file
  /// leaves every model as it was (the error is in `readError()`).
  LoadReport LoadSettings(AnnouncerSettings& settings);
  /// Writes the whole file. On failure: beep, "Fehler: parlhora.ini" in the
  /// status field, old file untouched, returns false.
  bool SaveSettings(const AnnouncerSettings& settings);

  const QString& readError() const { return readError_; }

  /// Existence of regular files, relative paths taken from `folder`.
  static FileProbe probeIn(const QString& folder);

 private:
  SettingsStore& store_;
  Notifier& notifier_;
  FileProbe fileExists_;
  StatusSink status_;
  QString readError_;
};

}  // namespace parlhora
