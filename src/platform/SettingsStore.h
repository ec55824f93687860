#pragma once

#include <QByteArray>
#include <QString>

namespace parlhora {

/// Where parlhora.ini lives. A write replaces the whole file so that at every
/// instant the file on disk is either the complete old or the complete new
/// one. Core thread only.
class SettingsStore {
 public:
  enum class ReadStatus { Ok, Missing, Failed };
  struct ReadResult {
    ReadStatus status = ReadStatus::Missing;
    QByteArray bytes;
    QString error;  // why it failed, for messages
  };

  virtual ~SettingsStore() = default;
  virtual ReadResult read() = 0;
  /// Replaces the file with `bytes`; on false the old file is untouched and
  /// `error` (if given) says why.
  virtual bool write(const QByteArray& bytes, QString* error) = 0;
};

}  // namespace parlhora
