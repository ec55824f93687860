#pragma once

namespace parlhora {

/// The transmitter's push-to-talk lines as the announcement sequencer sees
/// them. The serial side implements it; NoKeying stands in while no port is
/// wired. Core thread only.
class Keying {
 public:
  virtual ~Keying() = default;

  /// A port is open and named neither empty nor "No COM".
  virtual bool portInUse() const = 0;
  /// Raises DTR and/or RTS as the COM window's boxes say and shows the
  /// transmit lamp.
  virtual void keyUp() = 0;
  /// Drops both DTR and RTS, whatever was raised, and shows the receive lamp.
  /// Must be safe to call when nothing is keyed or no port is open.
  virtual void unkey() = 0;
  /// The carrier (DCD) was on at the last poll and `CheckBoxDCD` is checked:
  /// the channel is busy and an announcement must not start.
  virtual bool channelBusy() const { return false; }
  /// Marks CTS and DSR as seen on, so a line already on does not start a
  /// second announcement.
  virtual void latchInputs() {}
};

}  // namespace parlhora
