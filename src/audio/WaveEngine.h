#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

#include "audio/WaveOrigin.h"
#include "platform/WaveFormat.h"
#include "platform/WaveOut.h"

class QIODevice;

namespace parlhora {

class Clock;
class Notifier;
struct SoundSettings;

/// Plays one piece at a time through a WaveOut, streaming it in two
/// alternating blocks of 88,200 bytes, and sets and reads back the device
/// volume. Core thread only. Borrows the WaveOut, Clock and Notifier; they
/// must outlive the engine.
class WaveEngine {
 public:
  static constexpr int kBlockSize = 88200;
  /// Initial capacity of the sample buffer (bytes).
  static constexpr int kInitialSampleBuffer = 100000;
  /// Pause after a device is closed, before the next step (ms).
  static constexpr int kPauseAfterCloseMs = 50;

  struct Events {
    std::function<void(const QString&)> status;  // a text for EditData
    std::function<void()> pieceFinished;         // TimerFinWaveTimer: the sequencer's next step
    std::function<void()> failure;               // run the safety reset
    /// A piece or file passed the first checks (not playing, name not
    /// empty) and is about to be read; name or path as given.
    std::function<void(WaveOrigin, const QString&)> started;
  };

  /// What the once-a-second read-back found.
  struct VolumeReading {
    int position = 5;      // slider 0..10
    int balance = 0;       // -100..100
    bool changed = false;  // differs from what was passed in
  };

  WaveEngine(WaveOut& out, Clock& clock, Notifier& notifier);
  ~WaveEngine();
  WaveEngine(const WaveEngine&) = delete;
  WaveEngine& operator=(const WaveEngine&) = delete;

  void setEvents(Events events);
  /// Folder that relative jingle paths are taken from (empty = as given).
  void setProgramFolder(const QString& folder);

  /// Allocates the two blocks and the sample buffer once. On failure writes
  /// "Fehler: Alloc Mem" / "Fehler: Alloc mem" and returns false.
  bool Alloc_Mem();
  /// Releases what Alloc_Mem took (closing the device first if needed).
  void Free_unlock();
  bool isAllocated() const { return blocks_[0] != nullptr; }

  /// Reads the built-in piece `name` and starts playing it; returns before
  /// the sound ends. Does nothing while a piece plays. A recording of that
  /// name in the program folder's voice/ plays instead, as PlayWaveFile would.
  void PlayWaveRes(const QString& name);
  /// The same for a WAV file; a relative path is taken from the program folder.
  void PlayWaveFile(const QString& path);
  /// The same for a sound made in code (a RIFF/WAVE image); `label` is what
  /// the `started` event names. An empty image fails as an unreadable piece.
  void PlayGenerated(WaveOrigin origin, const QString& label, const QByteArray& wavImage);

  bool isPlaying() const { return playing_; }
  bool isOpened() const { return opened_; }

  /// Safety-reset step 3 minus its pause: stops and closes the device.
  /// Returns false at the first failing call (the rest is skipped).
  bool closeDevice();
  /// Clears the opened and playing flags.
  void clearFlags();

  /// Piece-finished hook; runs `Events::pieceFinished`.
  void TimerFinWaveTimer();

  /// Swaps the backend. While a piece plays the swap waits for its end.
  void setWaveOut(WaveOut& out);
  WaveOut& waveOut() { return *out_; }

  /// -1 = system default; used from the next piece on.
  int device() const { return device_; }
  void setDevice(int device) { device_ = device; }

  /// Slider moved to `position` (0..10) with `balance` (-100..100): sets the
  /// device volume. Returns the backend's result.
  int TrackBarVolumeChange(int position, int balance);
  /// Sets the device volume from the stored VOLUME=/BALANCE= (call once after
  /// loading the settings, before the first read-back).
  void applyStoredVolume(const SoundSettings& sound);
  /// Read-back: the slider position and balance the device volume gives.
  /// Unchanged (changed = false) while the slider is moving or the query fails.
  VolumeReading readBack(int position, int balance);
  bool isSliderMoving() const { return sliderMoving_; }

  /// The last piece read: its format and its sample count in bytes.
  const WaveFormat& format() const { return format_; }
  int dataSize() const { return static_cast<int>(samples_.size()); }
  /// Result code of the last WaveOut call.
  int lastResult() const { return lastResult_; }

  /// Counters of the current piece (for tests and traces).
  int buffersWritten() const { return written_; }
  int buffersReturned() const { return returned_; }
  int fillCount(int block) const { return fill_[block & 1]; }
  /// Grows with every piece started and every block the device returned;
  /// the safety reset compares it to tell slow playback from a stall.
  std::uint64_t progress() const { return progress_; }

 private:
  void play(WaveOrigin origin, QIODevice* source);
  void startPlayback(WaveOrigin origin);
  int fillBlock(int block);
  void onOpen(std::uint64_t session);
  void onDone(std::uint64_t session, int block);
  void fail(const QString& text);
  bool call(int result);

  WaveOut* out_;
  WaveOut* pendingOut_ = nullptr;
  Clock& clock_;
  Notifier& notifier_;
  Events events_;
  QString programFolder_;

  std::unique_ptr<char[]> blocks_[2];
  QByteArray samples_;
  WaveFormat format_;
  WaveOrigin origin_ = WaveOrigin::Resource;
  int readPos_ = 0;
  int written_ = 0;
  int returned_ = 0;
  int fill_[2] = {0, 0};
  bool playing_ = false;
  bool opened_ = false;
  bool sliderMoving_ = false;
  int device_ = -1;
  int lastResult_ = WaveOut::Ok;
  // Tells events of an earlier open apart from those of the current one.
  std::uint64_t session_ = 0;
  std::uint64_t progress_ = 0;
};

}  // namespace parlhora
