#include "fakes/FakeWaveOut.h"

#include <algorithm>
#include <memory>

namespace parlhora {

FakeWaveOut::FakeWaveOut(Clock& clock, Mode mode) : clock_(clock), mode_(mode) {}

FakeWaveOut::~FakeWaveOut() {
  for (Clock::TimerId id : pending_) clock_.cancel(id);
}

void FakeWaveOut::clearFailures() {
  once_.clear();
  randomRate_ = 0;
}

void FakeWaveOut::setRandomFailureRate(double rate, unsigned seed) {
  randomRate_ = rate;
  random_.seed(seed);
}

int FakeWaveOut::fails(const QString& call) {
  if (auto it = once_.find(call); it != once_.end()) {
    if (it->second.first > 0) {
      --it->second.first;
    } else {
      const int code = it->second.second;
      once_.erase(it);
      return code;
    }
  }
  if (randomRate_ > 0 && std::uniform_real_distribution<double>(0, 1)(random_) < randomRate_) return Error;
  return Ok;
}

int FakeWaveOut::deviceName(int index, QString& name) {
  calls_ << QStringLiteral("deviceName %1").arg(index);
  name.clear();
  if (int code = fails(QStringLiteral("deviceName"))) return code;
  if (index < 0 || index >= devices_.size()) return BadDeviceId;
  name = devices_[index];
  return Ok;
}

int FakeWaveOut::open(int device, const WaveFormat& format, Callbacks callbacks) {
  calls_ << QStringLiteral("open %1 %2ch %3Hz %4bit")
                .arg(device)
                .arg(format.channels)
                .arg(format.samplesPerSec)
                .arg(format.bitsPerSample);
  if (int code = fails(QStringLiteral("open"))) return code;
  if (open_) return Allocated;
  if (device < -1 || device >= devices_.size()) return BadDeviceId;
  open_ = true;
  format_ = format;
  callbacks_ = std::move(callbacks);
  playEndMs_ = clock_.monotonicMs();
  auto id = std::make_shared<Clock::TimerId>(0);
  *id = clock_.callAfter(0, [this, id, onOpen = callbacks_.onOpen] {
    pending_.erase(*id);
    if (onOpen) onOpen();
  });
  pending_.insert(*id);
  return Ok;
}

int FakeWaveOut::prepare(int block, const char* data, int length) {
  calls_ << QStringLiteral("prepare %1 %2").arg(block).arg(length);
  if (int code = fails(QStringLiteral("prepare"))) return code;
  if (!open_) return InvalidHandle;
  if (block < 0 || block > 1 || length < 0) return InvalidParam;
  blocks_[block] = {data, length, true, false};
  return Ok;
}

int FakeWaveOut::unprepare(int block) {
  calls_ << QStringLiteral("unprepare %1").arg(block);
  if (int code = fails(QStringLiteral("unprepare"))) return code;
  if (!open_) return InvalidHandle;
  if (block < 0 || block > 1) return InvalidParam;
  if (blocks_[block].queued) return StillPlaying;
  blocks_[block].prepared = false;
  return Ok;
}

int FakeWaveOut::write(int block) {
  calls_ << QStringLiteral("write %1").arg(block);
  if (int code = fails(QStringLiteral("write"))) return code;
  if (!open_) return InvalidHandle;
  if (block < 0 || block > 1) return InvalidParam;
  if (!blocks_[block].prepared) return Unprepared;
  if (blocks_[block].queued) return StillPlaying;
  blocks_[block].queued = true;
  queue_.push_back(block);
  written_.push_back(blocks_[block].length);
  scheduleDone(block);
  return Ok;
}

void FakeWaveOut::scheduleDone(int block) {
  if (mode_ == Mode::Manual) return;
  int delay = 0;
  if (mode_ == Mode::PlayTime && format_.avgBytesPerSec > 0) {
    // Blocks play one after another: this one ends after those before it.
    const std::int64_t start = std::max(playEndMs_, clock_.monotonicMs());
    playEndMs_ = start + static_cast<std::int64_t>(blocks_[block].length) * 1000 / format_.avgBytesPerSec;
    delay = static_cast<int>(playEndMs_ - clock_.monotonicMs());
  }
  auto id = std::make_shared<Clock::TimerId>(0);
  *id = clock_.callAfter(delay, [this, block, id] {
    pending_.erase(*id);
    finish(block);
  });
  pending_.insert(*id);
}

bool FakeWaveOut::completeNext() {
  if (queue_.empty()) return false;
  finish(queue_.front());
  return true;
}

void FakeWaveOut::finish(int block) {
  auto it = std::find(queue_.begin(), queue_.end(), block);
  if (it == queue_.end()) return;
  queue_.erase(it);
  blocks_[block].queued = false;
  calls_ << QStringLiteral("done %1").arg(block);
  // A copy: the callee may close, which clears callbacks_.
  auto onDone = callbacks_.onDone;
  if (onDone) onDone(block);
}

int FakeWaveOut::reset() {
  calls_ << QStringLiteral("reset");
  if (int code = fails(QStringLiteral("reset"))) return code;
  if (!open_) return InvalidHandle;
  for (Clock::TimerId id : pending_) clock_.cancel(id);
  pending_.clear();
  for (int block : queue_) blocks_[block].queued = false;
  queue_.clear();
  return Ok;
}

int FakeWaveOut::close() {
  calls_ << QStringLiteral("close");
  if (int code = fails(QStringLiteral("close"))) return code;
  if (!open_) return InvalidHandle;
  if (!queue_.empty()) return StillPlaying;
  for (Clock::TimerId id : pending_) clock_.cancel(id);
  pending_.clear();
  open_ = false;
  blocks_[0] = {};
  blocks_[1] = {};
  callbacks_ = {};
  return Ok;
}

int FakeWaveOut::getVolume(int device, std::uint32_t& volume) {
  calls_ << QStringLiteral("getVolume %1").arg(device);
  if (int code = fails(QStringLiteral("getVolume"))) return code;
  if (device < -1 || device >= devices_.size()) return BadDeviceId;
  auto it = volumes_.find(device);
  volume = it == volumes_.end() ? kFullVolume : it->second;
  return Ok;
}

int FakeWaveOut::setVolume(int device, std::uint32_t volume) {
  calls_ << QStringLiteral("setVolume %1 %2").arg(device).arg(volume, 8, 16, QLatin1Char('0'));
  if (int code = fails(QStringLiteral("setVolume"))) return code;
  if (device < -1 || device >= devices_.size()) return BadDeviceId;
  volumes_[device] = volume;
  return Ok;
}

}  // namespace parlhora
