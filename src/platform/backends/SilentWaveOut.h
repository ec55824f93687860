#pragma once

#include "platform/Clock.h"
#include "platform/WaveOut.h"

namespace parlhora {

/// A sound card that plays nothing: every call succeeds and each block is
/// reported done after its play time on the clock. For dry runs, where the
/// timeline matters and no hardware may be touched.
class SilentWaveOut final : public WaveOut {
 public:
  explicit SilentWaveOut(Clock& clock) : clock_(clock) {}
  ~SilentWaveOut() override { close(); }
  SilentWaveOut(const SilentWaveOut&) = delete;
  SilentWaveOut& operator=(const SilentWaveOut&) = delete;

  int deviceCount() override { return 0; }
  int deviceName(int, QString&) override { return BadDeviceId; }
  int open(int device, const WaveFormat& format, Callbacks callbacks) override;
  int prepare(int block, const char* data, int length) override;
  int unprepare(int block) override;
  int write(int block) override;
  int reset() override;
  int close() override;
  int getVolume(int, std::uint32_t& volume) override;
  int setVolume(int, std::uint32_t volume) override;

 private:
  void cancelPending();

  Clock& clock_;
  WaveFormat format_;
  Callbacks callbacks_;
  bool open_ = false;
  int length_[2] = {0, 0};
  // The end of the queued audio on the monotonic clock: a block queued
  // behind another finishes after it.
  std::int64_t queueEndMs_ = 0;
  Clock::TimerId pending_[3] = {0, 0, 0};
  std::uint32_t volume_ = kFullVolume;
};

}  // namespace parlhora
