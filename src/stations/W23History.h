#pragma once

#include <QIODevice>
#include <optional>

#include "stations/HistoryRecord.h"

namespace parlhora {

/// Reads a WS-23xx "history.dat" (36-byte records, oldest first) from its
/// end: the newest record, the nine before it (gust), the one about an hour
/// older (tendency) and the one about a day older (rain), whatever the
/// file's length. nullopt when the file has no complete record, a read
/// comes up short, the file shrank meanwhile or the newest record is not
/// sound. The device must be open and seekable.
class W23History {
 public:
  static std::optional<HistoryWindow> read(QIODevice& device);
};

}  // namespace parlhora
