#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

#include "app/AnnouncerSettings.h"

namespace parlhora {

/// Whether a path named by a *_DAT= key names an existing file. Relative
/// paths are the caller's business (the program folder).
using FileProbe = std::function<bool(const QByteArray& path)>;

/// A line the loader left out, for `parlhora config`.
struct IgnoredLine {
  int lineNumber = 0;  // 1-based
  QByteArray text;     // the line as read
  QString reason;      // "unknown key", "value not a number", ...
};

/// What a load found beyond the models: ignored lines, and the lines whose
/// side effects the caller carries out after loading.
struct LoadReport {
  QList<IgnoredLine> ignored;
  bool portRead = false;            // a COM= line: open the port, or close it for "0"
  bool monitorChosen = false;       // METEO=MON: open the station at once
  bool startMinimisedRead = false;  // REDUCE=Y: the latch that skips one save
  bool autostartRead = false;       // a START= line was applied
};

/// The text of parlhora.ini: parse into and serialise from the models. Pure:
/// no files, no clock; file existence comes through the probe.
class SettingsFile {
 public:
  /// "[PARLHORA V" + the version + "]".
  static QByteArray header();

  /// Applies every key=value line of `fileBytes` in order onto `settings`.
  static LoadReport load(const QByteArray& fileBytes, AnnouncerSettings& settings,
                         const FileProbe& fileExists);
  /// The whole file: header and keys in table order, CR LF after every line.
  static QByteArray save(const AnnouncerSettings& settings);
  /// Lines ended by CR LF, CR or LF; a last line without an end counts.
  static QList<QByteArray> splitLines(const QByteArray& bytes);
};

}  // namespace parlhora
