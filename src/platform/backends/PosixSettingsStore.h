#pragma once

#include <QString>

#include "platform/SettingsStore.h"

namespace parlhora {

/// parlhora.ini in a folder, written through its twin parlhora.~in: the twin
/// is created owner-only (it holds a password), synced, renamed over the
/// file, the folder synced, and the file marked read-only. The folder must
/// be writable; the file's own mode does not matter.
class PosixSettingsStore : public SettingsStore {
 public:
  static constexpr const char* kFileName = "parlhora.ini";
  static constexpr const char* kTempName = "parlhora.~in";
  /// Files larger than this are refused as unreadable rather than loaded.
  static constexpr qint64 kMaxBytes = 16 * 1024 * 1024;

  explicit PosixSettingsStore(QString folder) : folder_(std::move(folder)) {}

  ReadResult read() override;
  bool write(const QByteArray& bytes, QString* error) override;

  QString filePath() const;

 private:
  QString folder_;
};

}  // namespace parlhora
