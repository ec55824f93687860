#pragma once

#include <QString>
#include <cstdint>
#include <functional>

#include "platform/WaveFormat.h"

namespace parlhora {

/// A sound output in the manner of the waveOut calls: one device open at a
/// time, two numbered blocks (0 and 1) that are prepared, written (queued),
/// reported done and unprepared again. Every call returns a result code,
/// `Ok` (0) on success.
///
/// Thread: all calls and all callbacks happen on the core thread; a backend
/// that plays on a thread of its own posts its events back. Callbacks never
/// run inside a call (they are posted), so the caller may call again from
/// them.
///
/// Ownership: the block memory passed to `prepare` stays the caller's; it
/// must stay valid and unchanged from `prepare` until the block's done
/// event, `reset` or `close`. The backend never writes to it.
class WaveOut {
 public:
  /// Result codes (the numbers of the waveOut errors they stand in for).
  enum Result : int {
    Ok = 0,
    Error = 1,          // unspecified failure of the backend
    BadDeviceId = 2,    // no such device number
    Allocated = 4,      // a device is already open
    InvalidHandle = 5,  // no device open
    NoMemory = 7,
    InvalidParam = 11,  // bad block index or length
    BadFormat = 32,     // format not playable
    StillPlaying = 33,  // the block is queued
    Unprepared = 34,    // the block was not prepared
  };

  struct Callbacks {
    /// The device is ready (after a successful `open`).
    std::function<void()> onOpen;
    /// Block `block` (0 or 1) is finished: its samples were handed to the
    /// device, and if nothing else is queued behind it, played out.
    std::function<void(int block)> onDone;
  };

  /// Full volume on both channels: low word left, high word right.
  static constexpr std::uint32_t kFullVolume = 0xFFFFFFFFu;

  virtual ~WaveOut() = default;

  /// Number of output devices the user can choose (0..n-1).
  virtual int deviceCount() = 0;
  /// Description of device `index` shown in the device list.
  virtual int deviceName(int index, QString& name) = 0;

  /// Opens `device` (-1 = the system default) for `format`. On success
  /// `onOpen` follows as a posted event.
  virtual int open(int device, const WaveFormat& format, Callbacks callbacks) = 0;
  /// Describes block `block` as `length` bytes at `data` (length 0 allowed).
  virtual int prepare(int block, const char* data, int length) = 0;
  /// Forgets a prepared block; fails with `StillPlaying` while it is queued.
  virtual int unprepare(int block) = 0;
  /// Queues a prepared block for playing behind any block already queued.
  virtual int write(int block) = 0;
  /// Stops playing and drops every queued block; no done events follow for them.
  virtual int reset() = 0;
  /// Closes the device; pending events of this device are dropped.
  virtual int close() = 0;

  /// Volume of `device` (-1 = default): low word left, high word right,
  /// 0..65535 each. Kept per device by the backend.
  virtual int getVolume(int device, std::uint32_t& volume) = 0;
  virtual int setVolume(int device, std::uint32_t volume) = 0;
};

}  // namespace parlhora
