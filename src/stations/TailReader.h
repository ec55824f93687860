#pragma once

#include <QByteArray>
#include <QIODevice>

namespace parlhora {

/// Random access to the fixed-size records of a file that the station
/// software may append to, rewrite or truncate while we read. Records are
/// read by offset in blocks ending at the one asked for, so a walk from the
/// newest record backwards reads each block once; only one block is held.
/// `intact()` says whether the file still reaches every byte taken, which
/// tells a sound read from one torn by a truncation. Not thread-safe.
class TailReader {
 public:
  static constexpr qint64 kBlockRecords = 256;

  /// `count` < 0: as many complete records as the device holds after
  /// `headerSize` bytes (a trailing partial record is not counted).
  TailReader(QIODevice& device, qint64 headerSize, qint64 recordSize, qint64 count = -1);

  qint64 count() const { return count_; }
  /// Record `index` (0 = oldest), `recordSize` bytes valid until the next
  /// call; nullptr when out of range or the read came up short.
  const char* record(qint64 index);
  /// Every read so far was complete and the file still holds its bytes.
  bool intact() const { return !failed_ && device_.size() >= furthest_; }
  /// Bytes read from the device so far.
  qint64 bytesRead() const { return bytesRead_; }

 private:
  QIODevice& device_;
  qint64 header_;
  qint64 size_;
  qint64 count_ = 0;
  QByteArray block_;
  qint64 blockFirst_ = 0;
  qint64 blockCount_ = 0;
  qint64 furthest_ = 0;
  qint64 bytesRead_ = 0;
  bool failed_ = false;
};

}  // namespace parlhora
