#pragma once

namespace parlhora {

/// Where the program's releases are published. Placeholders of the project's
/// own until the release host is settled; one constant each so a move is one edit.
inline constexpr char kUpdateWebHost[] = "https://parlhora.example.org/";
/// The site the about box links to.
inline constexpr char kUpdateSiteAddress[] = "https://parlhora.example.org/";
/// The page a newer version is announced with.
inline constexpr char kUpdateDownloadPage[] = "https://parlhora.example.org/releases";
/// The version list, under the web host.
inline constexpr char kVersionListPath[] = "index_fichiers/versions.txt";
/// Local name of the version list while it is read (in the program folder).
inline constexpr char kVersionListFile[] = "versions.txt";

}  // namespace parlhora
