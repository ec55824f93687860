#pragma once

namespace parlhora {

/// Where a piece comes from; picks which of the two failure texts is reported.
enum class WaveOrigin { Resource, File };

}  // namespace parlhora
