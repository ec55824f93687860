#include "platform/backends/AlsaPlayback.h"

#include <algorithm>
#include <cerrno>
#include <chrono>

namespace parlhora {

namespace {
constexpr int kPollMs = 20;
}

AlsaPlayback::AlsaPlayback(snd_pcm_t* pcm, unsigned rate, std::uint64_t epoch, Notify notify)
    : pcm_(pcm), rate_(rate > 0 ? rate : 1), notify_(std::move(notify)), epoch_(epoch) {
  thread_ = std::thread([this] { run(); });
}

AlsaPlayback::~AlsaPlayback() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stop_ = true;
  }
  wake_.notify_all();
  thread_.join();
  // Closing is the last thing done with the handle; a failure has nowhere to go.
  static_cast<void>(snd_pcm_drop(pcm_));
  static_cast<void>(snd_pcm_close(pcm_));
}

void AlsaPlayback::queue(Item item) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    items_.push_back(std::move(item));
  }
  wake_.notify_all();
}

void AlsaPlayback::drop(std::uint64_t epoch) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    epoch_ = epoch;
    items_.erase(
        std::remove_if(items_.begin(), items_.end(), [epoch](const Item& i) { return i.epoch < epoch; }),
        items_.end());
  }
  wake_.notify_all();
}

void AlsaPlayback::run() {
  notify_(-1, epoch_);
  while (true) {
    Item item;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      wake_.wait(lock, [this] { return stop_ || !items_.empty(); });
      if (stop_) return;
      item = std::move(items_.front());
      items_.pop_front();
    }
    if (abandoned(item.epoch)) continue;
    if (!writeAll(item)) {
      discard();
      continue;
    }
    playOut(item.epoch);
    if (!abandoned(item.epoch)) notify_(item.block, item.epoch);
  }
}

bool AlsaPlayback::writeAll(const Item& item) {
  const snd_pcm_uframes_t total = item.frames.size() / 2;
  snd_pcm_uframes_t done = 0;
  while (done < total) {
    if (abandoned(item.epoch)) return false;
    snd_pcm_sframes_t n = snd_pcm_writei(pcm_, item.frames.data() + done * 2, total - done);
    if (n == -EAGAIN) {
      if (snd_pcm_wait(pcm_, kPollMs) < 0 && snd_pcm_recover(pcm_, -EPIPE, 1) < 0) return true;
      continue;
    }
    if (n < 0) n = snd_pcm_recover(pcm_, static_cast<int>(n), 1);
    // A device that is gone takes the block with it; the done event still
    // follows so the announcement is not left waiting.
    if (n < 0) return true;
    done += static_cast<snd_pcm_uframes_t>(n);
  }
  // A block shorter than the start threshold would otherwise never start.
  if (snd_pcm_state(pcm_) == SND_PCM_STATE_PREPARED && snd_pcm_start(pcm_) < 0) return true;
  return true;
}

void AlsaPlayback::playOut(std::uint64_t epoch) {
  // Waits until the device has played everything, unless more blocks come:
  // then there is nothing to drain and they follow without a gap.
  std::unique_lock<std::mutex> lock(mutex_);
  while (items_.empty() && !abandoned(epoch)) {
    snd_pcm_sframes_t delay = 0;
    if (snd_pcm_delay(pcm_, &delay) < 0 || delay <= 0) break;
    if (snd_pcm_state(pcm_) != SND_PCM_STATE_RUNNING) break;
    const auto ms = std::clamp<long>(static_cast<long>(delay * 1000 / rate_), 1, kPollMs);
    wake_.wait_for(lock, std::chrono::milliseconds(ms));
  }
  if (items_.empty()) {
    lock.unlock();
    discard();
  }
}

void AlsaPlayback::discard() {
  // Leaves the PCM ready for the next block whatever state it ended in.
  // A PCM that cannot be prepared again fails the next write, which ends that block.
  if (snd_pcm_drop(pcm_) < 0 || snd_pcm_prepare(pcm_) < 0)
    static_cast<void>(snd_pcm_recover(pcm_, -EPIPE, 1));
}

}  // namespace parlhora
