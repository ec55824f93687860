// Arbitrary bytes as parlhora.ini: loading must never crash, and what a
// save writes must load back without an ignored line to the same state (a
// second save is identical).
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "app/SettingsFile.h"

using parlhora::AnnouncerSettings;
using parlhora::SettingsFile;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Deterministic stand-in for the file system, so both loads agree.
  const parlhora::FileProbe probe = [](const QByteArray& path) { return path.size() % 2 == 1; };
  AnnouncerSettings first;
  SettingsFile::load(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), first,
                     probe);
  const QByteArray saved = SettingsFile::save(first);
  AnnouncerSettings second;
  if (!SettingsFile::load(saved, second, probe).ignored.isEmpty()) std::abort();
  if (SettingsFile::save(second) != saved) std::abort();
  return 0;
}
