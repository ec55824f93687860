#pragma once

#include <QString>
#include <optional>

#include "stations/net/NetUpload.h"
#include "stations/net/UploadHistory.h"

namespace parlhora {

/// The last accepted upload and the history the rain and the tendency need,
/// kept in the program folder so a restart or a one-shot command finds
/// them. Only readings are stored: never a key, an ID or a password.
struct NetState {
  NetUpload upload;    // key left empty
  double arrival = 0;  // days since 1899-12-30
  QString from;        // the sender's address
  UploadHistory history;
};

/// "net_station.json", written under a temporary name and renamed.
class NetStateFile {
 public:
  static constexpr const char* kName = "net_station.json";

  static bool save(const QString& programFolder, const NetState& state);
  /// Nothing when the file is missing or no state of ours.
  static std::optional<NetState> load(const QString& programFolder);
};

}  // namespace parlhora
