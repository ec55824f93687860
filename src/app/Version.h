#pragma once

namespace parlhora {

/// The program's version: the main window's caption "PARLHORA V" + version,
/// and the settings file's header line.
inline constexpr char kVersion[] = "2.2.3";

}  // namespace parlhora
