#pragma once

#include <QIODevice>
#include <optional>

#include "stations/HistoryRecord.h"

namespace parlhora {

/// Reads a WS-28xx history file (56-byte records, oldest first) from its
/// end: the newest record, the one about an hour older (tendency), and the
/// rain of every record less than a day older than the newest, walking back
/// no further than the second record. nullopt as for W23History.
class W28History {
 public:
  static std::optional<HistoryWindow> read(QIODevice& device);
};

}  // namespace parlhora
