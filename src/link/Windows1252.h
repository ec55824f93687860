#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace parlhora {

/// The 8-bit character set of the simplex link's messages. Bytes without a
/// character (0x81, 0x8D, 0x8F, 0x90, 0x9D) read as the control code of the
/// same number; characters without a byte are written as '?'.
class Windows1252 {
 public:
  static QString decode(QByteArrayView bytes);
  static QByteArray encode(const QString& text);
};

}  // namespace parlhora
