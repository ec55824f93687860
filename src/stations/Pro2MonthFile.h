#pragma once

#include <QIODevice>
#include <optional>

#include "stations/Pro2Record.h"

namespace parlhora {

/// Reads a Vantage Pro2 month file from its end: the header's record count
/// and day index, the newest archive record, the archive record about an
/// hour older (tendency) and the archive records of the last day (rain).
/// nullopt on a short header, a file holding fewer records than the header
/// announces, no archive record, a short read, or a file that shrank
/// meanwhile. The device must be open and seekable.
class Pro2MonthFile {
 public:
  static std::optional<Pro2Window> read(QIODevice& device);
};

}  // namespace parlhora
