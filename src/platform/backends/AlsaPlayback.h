#pragma once

#include <alsa/asoundlib.h>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace parlhora {

/// The playback thread of one open ALSA PCM (16-bit stereo, non-blocking).
/// Owns the PCM handle: it is closed in the destructor after the thread has
/// been joined. Blocks are queued from the core thread; `notify` runs on the
/// playback thread and must only post to the core thread.
class AlsaPlayback {
 public:
  struct Item {
    int block = 0;
    std::uint64_t epoch = 0;
    std::vector<std::int16_t> frames;  // interleaved left/right
  };
  /// block -1: the device is open; else the block was handed over (and, with
  /// nothing queued behind it, played out).
  using Notify = std::function<void(int block, std::uint64_t epoch)>;

  /// `rate`: frames per second the PCM was set up for.
  AlsaPlayback(snd_pcm_t* pcm, unsigned rate, std::uint64_t epoch, Notify notify);
  ~AlsaPlayback();
  AlsaPlayback(const AlsaPlayback&) = delete;
  AlsaPlayback& operator=(const AlsaPlayback&) = delete;

  void queue(Item item);
  /// Abandons the block playing and every queued one older than `epoch`.
  void drop(std::uint64_t epoch);

 private:
  void run();
  bool writeAll(const Item& item);
  void playOut(std::uint64_t epoch);
  bool abandoned(std::uint64_t epoch) const { return stop_ || epoch != epoch_; }
  void discard();

  snd_pcm_t* pcm_;
  unsigned rate_;
  Notify notify_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<Item> items_;
  std::atomic<bool> stop_{false};
  std::atomic<std::uint64_t> epoch_;
  std::thread thread_;
};

}  // namespace parlhora
