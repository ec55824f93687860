#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QIODevice;

namespace parlhora {

/// The speech pieces built into the program (Qt resources under ":/pieces", upper-case names).
/// Stateless; any thread.
class PieceLibrary {
 public:
  /// Opens the built-in piece `name` (any case, e.g. "son_mon" -> SON_MON) for reading, positioned
  /// at its start; nullptr if there is no such piece. The caller owns the device.
  static std::unique_ptr<QIODevice> open(const QString& name);

  /// Whether `name` (any case) is a built-in piece.
  static bool has(const QString& name);

  /// The upper-case names of all built-in pieces, sorted.
  static QStringList names();

  /// Copies the cuckoo call to `folder`/kuckoo.wav unless a file of that name is there.
  /// Returns true if the file is there afterwards (an existing one is never touched).
  static bool installCuckoo(const QString& folder);

  /// The file name the cuckoo call is installed under.
  static QString cuckooFileName() { return QStringLiteral("kuckoo.wav"); }
};

}  // namespace parlhora
