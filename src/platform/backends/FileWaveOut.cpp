#include "platform/backends/FileWaveOut.h"

#include <QFileInfo>
#include <QtEndian>
#include <cstring>
#include <limits>
#include <memory>

#include "platform/backends/PcmConverter.h"

namespace parlhora {

namespace {

constexpr int kHeaderSize = 44;

QByteArray header(std::uint32_t dataBytes) {
  QByteArray h(kHeaderSize, '\0');
  char* p = h.data();
  auto put32 = [&p](int at, std::uint32_t v) { qToLittleEndian<std::uint32_t>(v, p + at); };
  auto put16 = [&p](int at, std::uint16_t v) { qToLittleEndian<std::uint16_t>(v, p + at); };
  std::memcpy(p, "RIFF", 4);
  put32(4, 36 + dataBytes);
  std::memcpy(p + 8, "WAVEfmt ", 8);
  put32(16, 16);
  put16(20, 1);
  put16(22, 1);
  put32(24, FileWaveOut::kRate);
  put32(28, FileWaveOut::kRate * 2);
  put16(32, 2);
  put16(34, 16);
  std::memcpy(p + 36, "data", 4);
  put32(40, dataBytes);
  return h;
}

}  // namespace

FileWaveOut::FileWaveOut(QString path, Clock& clock) : path_(std::move(path)), clock_(clock), file_(path_) {}

FileWaveOut::~FileWaveOut() {
  cancelPending();
  finish();
}

int FileWaveOut::deviceName(int index, QString& name) {
  name.clear();
  if (index != 0) return BadDeviceId;
  name = QFileInfo(path_).fileName();
  return Ok;
}

bool FileWaveOut::startFile() {
  if (file_.isOpen()) return true;
  if (failed_) return false;
  if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate) || !writeHeader()) {
    file_.close();
    failed_ = true;
    return false;
  }
  return true;
}

bool FileWaveOut::writeHeader() {
  const qint64 end = file_.size();
  const QByteArray h = header(dataBytes_);
  const bool ok =
      file_.seek(0) && file_.write(h) == h.size() && file_.seek(std::max<qint64>(end, kHeaderSize));
  return ok && file_.flush();
}

int FileWaveOut::open(int device, const WaveFormat& format, Callbacks callbacks) {
  if (open_) return Allocated;
  if (device < -1 || device > 0) return BadDeviceId;
  if (!PcmConverter::convertible(format)) return BadFormat;
  if (!startFile()) return Error;
  open_ = true;
  firstWriteOfPiece_ = true;
  format_ = format;
  callbacks_ = std::move(callbacks);
  blocks_[0] = {};
  blocks_[1] = {};
  post([this] {
    auto onOpen = callbacks_.onOpen;
    if (onOpen) onOpen();
  });
  return Ok;
}

int FileWaveOut::prepare(int block, const char* data, int length) {
  if (!open_) return InvalidHandle;
  if (block < 0 || block > 1 || length < 0 || (length > 0 && !data)) return InvalidParam;
  if (blocks_[block].queued) return StillPlaying;
  blocks_[block] = {data, length, true, false};
  return Ok;
}

int FileWaveOut::unprepare(int block) {
  if (!open_) return InvalidHandle;
  if (block < 0 || block > 1) return InvalidParam;
  if (blocks_[block].queued) return StillPlaying;
  blocks_[block].prepared = false;
  return Ok;
}

bool FileWaveOut::append(const std::vector<std::int16_t>& samples) {
  const std::uint64_t bytes = samples.size() * sizeof(std::int16_t);
  if (dataBytes_ + bytes > std::numeric_limits<std::uint32_t>::max() - 36) return false;
  QByteArray raw(static_cast<qsizetype>(bytes), Qt::Uninitialized);
  for (std::size_t i = 0; i < samples.size(); ++i)
    qToLittleEndian<std::int16_t>(samples[i], raw.data() + 2 * i);
  if (file_.write(raw) != raw.size()) return false;
  dataBytes_ += static_cast<std::uint32_t>(bytes);
  return true;
}

int FileWaveOut::write(int block) {
  if (!open_) return InvalidHandle;
  if (block < 0 || block > 1) return InvalidParam;
  Block& b = blocks_[block];
  if (!b.prepared) return Unprepared;
  if (b.queued) return StillPlaying;
  scratch_.clear();
  if (firstWriteOfPiece_ && lastEndMs_ >= 0) {
    const std::int64_t gapMs = std::max<std::int64_t>(0, clock_.monotonicMs() - lastEndMs_);
    scratch_.assign(static_cast<std::size_t>(gapMs * kRate / 1000), 0);
  }
  firstWriteOfPiece_ = false;
  PcmConverter::toMono16(b.data, b.length, format_, kRate, scratch_);
  if (!append(scratch_)) return NoMemory;
  b.queued = true;
  post([this, block] {
    blocks_[block].queued = false;
    lastEndMs_ = clock_.monotonicMs();
    auto onDone = callbacks_.onDone;
    if (onDone) onDone(block);
  });
  return Ok;
}

void FileWaveOut::post(std::function<void()> fn) {
  auto id = std::make_shared<Clock::TimerId>(0);
  *id = clock_.callAfter(0, [this, id, fn = std::move(fn)] {
    pending_.erase(*id);
    fn();
  });
  pending_.insert(*id);
}

void FileWaveOut::cancelPending() {
  for (Clock::TimerId id : pending_) clock_.cancel(id);
  pending_.clear();
}

int FileWaveOut::reset() {
  if (!open_) return InvalidHandle;
  cancelPending();
  blocks_[0].queued = false;
  blocks_[1].queued = false;
  return Ok;
}

int FileWaveOut::close() {
  if (!open_) return InvalidHandle;
  cancelPending();
  open_ = false;
  blocks_[0] = {};
  blocks_[1] = {};
  callbacks_ = {};
  // Kept valid after every piece, so an interrupted rendering still plays.
  return writeHeader() ? Ok : Error;
}

bool FileWaveOut::finish() {
  if (!file_.isOpen()) return !failed_;
  const bool ok = writeHeader();
  file_.close();
  return ok && file_.error() == QFileDevice::NoError;
}

int FileWaveOut::getVolume(int device, std::uint32_t& volume) {
  if (device < -1 || device > 0) return BadDeviceId;
  volume = volume_;
  return Ok;
}

int FileWaveOut::setVolume(int device, std::uint32_t volume) {
  if (device < -1 || device > 0) return BadDeviceId;
  volume_ = volume;
  return Ok;
}

}  // namespace parlhora
