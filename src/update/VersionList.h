#pragma once

#include <QString>

#include "internet/DownloadToFile.h"

namespace parlhora {

/// The downloaded version list: lines "name=version".
class VersionList {
 public:
  /// The version listed for `program` in the file at `path`, or an empty
  /// text when the file cannot be read, looks like a web page (a "<" in its
  /// first three bytes) or has no line for it. The file is deleted in every
  /// case. Reads at most kMaxBytes.
  static QString take(const QString& path, const QString& program);

  /// The download routine's one bound for every fetched file.
  static constexpr qint64 kMaxBytes = DownloadToFile::kMaxBytes;
};

}  // namespace parlhora
