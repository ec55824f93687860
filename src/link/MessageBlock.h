#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace parlhora {

/// The message block at the start of the shared memory: a signed 32-bit
/// little-endian byte count, then that many bytes of Windows-1252 text
/// without a terminator.
class MessageBlock {
 public:
  static constexpr int kHeaderSize = 4;

  struct Decoded {
    bool valid = false;
    std::int32_t length = 0;  // as found, also when rejected
    QString text;
  };

  static QByteArray encode(const QString& text);
  /// A length that is negative or runs past the end of `block` (or a block
  /// too short for the length itself) is rejected, never followed.
  static Decoded decode(const QByteArray& block);
};

}  // namespace parlhora
