#pragma once

#include <QString>

namespace parlhora {

class Notifier;
struct AnnouncementOptions;

/// The three user jingles chosen with the "Durchsuchen" buttons: a chosen
/// file is opened once as a test before its path is kept. Core thread;
/// borrows the options and the notifier.
class JingleFiles {
 public:
  enum class Jingle { Header, Cuckoo, Final };

  JingleFiles(AnnouncementOptions& options, Notifier& notifier) : options_(options), notifier_(notifier) {}

  /// Keeps `path` for `which` if it opens for reading; otherwise clears that
  /// path, shows "Fehler: Dateiname" and returns false.
  bool accept(Jingle which, const QString& path);

 private:
  AnnouncementOptions& options_;
  Notifier& notifier_;
};

}  // namespace parlhora
