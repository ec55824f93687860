#pragma once

#include <QString>
#include <functional>

#include "platform/Paths.h"

namespace parlhora {

/// Program folder: `home` (--home DIR) if given; else the executable's
/// folder when writable; else $XDG_DATA_HOME/parlhora (~/.local/share).
/// Weather folder: "weather" under XDG_PUBLICSHARE_DIR (environment, then
/// user-dirs.dirs), default ~/Public. Both are created with their parents.
class XdgPaths : public Paths {
 public:
  using Environment = std::function<QString(const char* name)>;

  XdgPaths(const QString& home, const QString& executableFolder, Environment env = systemEnvironment());

  QString programFolder() const override { return programFolder_; }
  QString weatherFolder() const override { return weatherFolder_; }

  static Environment systemEnvironment();

 private:
  QString publicShareFolder(const Environment& env) const;

  QString programFolder_;
  QString weatherFolder_;
};

}  // namespace parlhora
