#include "stations/TailReader.h"

#include <algorithm>

namespace parlhora {

TailReader::TailReader(QIODevice& device, qint64 headerSize, qint64 recordSize, qint64 count)
    : device_(device), header_(headerSize), size_(recordSize) {
  const qint64 available = std::max<qint64>(0, device.size() - headerSize) / recordSize;
  count_ = count < 0 ? available : std::min(count, available);
}

const char* TailReader::record(qint64 index) {
  if (index < 0 || index >= count_ || failed_) return nullptr;
  if (index < blockFirst_ || index >= blockFirst_ + blockCount_) {
    const qint64 first = std::max<qint64>(0, index - kBlockRecords + 1);
    const qint64 n = index - first + 1;
    const qint64 offset = header_ + first * size_;
    block_.resize(n * size_);
    if (!device_.seek(offset) || device_.read(block_.data(), block_.size()) != block_.size()) {
      failed_ = true;
      blockCount_ = 0;
      return nullptr;
    }
    bytesRead_ += block_.size();
    furthest_ = std::max(furthest_, offset + block_.size());
    blockFirst_ = first;
    blockCount_ = n;
  }
  return block_.constData() + (index - blockFirst_) * size_;
}

}  // namespace parlhora
