// Feeds arbitrary bytes as the simplex link's shared block: the length field
// must never be followed past the end, and an accepted text must survive the
// way back into bytes unchanged.
#include <QByteArray>
#include <cstdint>
#include <cstdlib>

#include "link/MessageBlock.h"
#include "link/SimplexLink.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray block(reinterpret_cast<const char*>(data), qsizetype(size));
  const parlhora::MessageBlock::Decoded decoded = parlhora::MessageBlock::decode(block);
  if (!decoded.valid) {
    if (!decoded.text.isEmpty()) std::abort();
    return 0;
  }
  if (decoded.length < 0 || decoded.text.size() != decoded.length) std::abort();
  if (parlhora::MessageBlock::encode(decoded.text) != block.left(4 + decoded.length)) std::abort();
  const QString shown = parlhora::SimplexLink::displayText(decoded.text);
  if (shown.size() > decoded.text.size() + 2) std::abort();
  return 0;
}
