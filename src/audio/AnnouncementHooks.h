#pragma once

namespace parlhora {

/// What an announcement asks of the sibling programs and the weather
/// sources. Every call has a do-nothing default so the sequencer runs before
/// those parts are wired. Core thread only.
class AnnouncementHooks {
 public:
  virtual ~AnnouncementHooks() = default;

  /// Starts the wave recorder (only called when `MenuRecord` is checked).
  virtual void recorderStart() {}
  /// Stops the wave recorder and closes its file (only with `MenuRecord`).
  virtual void recorderStopAndClose() {}
  /// Sends "PIROLO_DONE" to the simplex partner that asked for this one.
  virtual void sendPartnerDone() {}
  /// Disconnects and reconnects the simplex link; true on success.
  virtual bool reconnectLink() { return true; }
  /// Runs the refresh the selected weather source put off while the
  /// announcement was playing, if any.
  virtual void runDeferredRefresh() {}
};

}  // namespace parlhora
