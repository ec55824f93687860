#pragma once

namespace parlhora {

/// What an announcement asks of the simplex program link. The defaults do
/// nothing, for a core without the link. Core thread only.
class PartnerLink {
 public:
  virtual ~PartnerLink() = default;

  /// Sends "PIROLO_DONE" to the simplex partner that asked for this one.
  virtual void sendPartnerDone() {}
  /// Disconnects and reconnects the simplex link; true on success.
  virtual bool reconnectLink() { return true; }
  /// The announcement-busy flag changed; the link answers the partner's
  /// HELLO from it on its own thread.
  virtual void announcementBusy(bool /*busy*/) {}
};

}  // namespace parlhora
