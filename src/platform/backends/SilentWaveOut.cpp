#include "platform/backends/SilentWaveOut.h"

#include <algorithm>

namespace parlhora {

int SilentWaveOut::open(int device, const WaveFormat& format, Callbacks callbacks) {
  if (open_) return Allocated;
  if (device < -1) return BadDeviceId;
  if (format.avgBytesPerSec == 0) return BadFormat;
  format_ = format;
  callbacks_ = std::move(callbacks);
  open_ = true;
  queueEndMs_ = clock_.monotonicMs();
  pending_[2] = clock_.callAfter(0, [this] {
    pending_[2] = 0;
    if (callbacks_.onOpen) callbacks_.onOpen();
  });
  return Ok;
}

int SilentWaveOut::prepare(int block, const char*, int length) {
  if (!open_) return InvalidHandle;
  if (block < 0 || block > 1 || length < 0) return InvalidParam;
  length_[block] = length;
  return Ok;
}

int SilentWaveOut::unprepare(int block) {
  if (!open_) return InvalidHandle;
  if (block < 0 || block > 1) return InvalidParam;
  return pending_[block] != 0 ? StillPlaying : Ok;
}

int SilentWaveOut::write(int block) {
  if (!open_) return InvalidHandle;
  if (block < 0 || block > 1) return InvalidParam;
  const std::int64_t now = clock_.monotonicMs();
  const std::int64_t playMs = static_cast<std::int64_t>(length_[block]) * 1000 / format_.avgBytesPerSec;
  queueEndMs_ = std::max(queueEndMs_, now) + playMs;
  pending_[block] = clock_.callAfter(static_cast<int>(queueEndMs_ - now), [this, block] {
    pending_[block] = 0;
    if (callbacks_.onDone) callbacks_.onDone(block);
  });
  return Ok;
}

int SilentWaveOut::reset() {
  if (!open_) return InvalidHandle;
  cancelPending();
  return Ok;
}

int SilentWaveOut::close() {
  if (!open_) return InvalidHandle;
  cancelPending();
  open_ = false;
  return Ok;
}

int SilentWaveOut::getVolume(int, std::uint32_t& volume) {
  volume = volume_;
  return Ok;
}

int SilentWaveOut::setVolume(int, std::uint32_t volume) {
  volume_ = volume;
  return Ok;
}

void SilentWaveOut::cancelPending() {
  for (auto& id : pending_) {
    if (id != 0) clock_.cancel(id);
    id = 0;
  }
}

}  // namespace parlhora
