#pragma once

#include <QList>
#include <QString>

namespace parlhora {

/// A station's own recordings: "voice/<piece>.wav" in the program folder is
/// played in place of the built-in piece of that (lower-case) name, through
/// the same reader. Stateless; looked up at each piece, so a recording added
/// while the program runs counts from the next piece on.
class VoiceFolder {
 public:
  /// One file found in the folder; `piece` is empty when the name is not
  /// that of a built-in piece (or not the lower-case ".wav" form of one).
  struct Entry {
    QString fileName;  // e.g. "son1.wav"
    QString piece;     // e.g. "son1"
    bool regularFile = true;
  };

  static QString folderName() { return QStringLiteral("voice"); }

  /// The recording that replaces built-in piece `name` ("voice/son1.wav",
  /// relative to `programFolder`), or an empty text when there is none or
  /// `programFolder` is empty.
  static QString overrideFor(const QString& programFolder, const QString& name);

  /// Every entry of the folder, sorted by name; empty when there is no folder.
  static QList<Entry> entries(const QString& programFolder);
};

}  // namespace parlhora
