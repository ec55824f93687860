#pragma once

#include <QChar>
#include <QString>
#include <QVector>

namespace parlhora {

/// The Morse alphabet (ITU letters, digits and signs, plus Ä, Ö, Ü) and the
/// keying plan of a text in dot units. Stateless; any thread.
class MorseCode {
 public:
  /// One key-down interval, in dot units from the start of the text.
  struct Mark {
    int start = 0;
    int length = 1;  // 1 = dot, 3 = dash
  };

  /// Dots and dashes of one sign (".-" for A); empty when Morse has none.
  /// Lower case is taken as upper.
  static QString of(QChar sign);
  /// Upper case, words separated by single spaces, no space at either end.
  static QString normalised(const QString& text);
  /// The first sign of `text` that Morse cannot send, or a null QChar.
  /// White space separates words and is always fine.
  static QChar firstUnsendable(const QString& text);
  /// Key-down intervals with the standard spacing: 1 unit between the
  /// elements of a sign, 3 between signs, 7 between words. Unsendable signs
  /// are passed over.
  static QVector<Mark> marks(const QString& text);
  /// Units from the first key-down to the last key-up (no trailing gap).
  static int units(const QVector<Mark>& marks);
};

}  // namespace parlhora
