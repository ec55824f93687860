#pragma once

namespace parlhora {

/// Where a piece comes from; picks which of the two failure texts is reported.
/// Generated sounds (the Morse identification) report as built-in pieces.
enum class WaveOrigin { Resource, File, Morse };

}  // namespace parlhora
