#include "link/MessageBlock.h"

#include <QtEndian>

#include "link/Windows1252.h"

namespace parlhora {

QByteArray MessageBlock::encode(const QString& text) {
  const QByteArray body = Windows1252::encode(text);
  QByteArray block(kHeaderSize, Qt::Uninitialized);
  qToLittleEndian<std::int32_t>(static_cast<std::int32_t>(body.size()), block.data());
  block += body;
  return block;
}

MessageBlock::Decoded MessageBlock::decode(const QByteArray& block) {
  Decoded decoded;
  if (block.size() < kHeaderSize) return decoded;
  decoded.length = qFromLittleEndian<std::int32_t>(block.constData());
  if (decoded.length < 0 || decoded.length > block.size() - kHeaderSize) return decoded;
  decoded.valid = true;
  decoded.text = Windows1252::decode(QByteArrayView(block).sliced(kHeaderSize, decoded.length));
  return decoded;
}

}  // namespace parlhora
