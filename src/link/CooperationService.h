#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "audio/PartnerLink.h"
#include "audio/RecorderHooks.h"

namespace parlhora {

class Clock;
class Notifier;
class RecorderChannel;
class RecorderControl;
class Sequencer;
class SharedLink;
class SimplexLink;

/// Cooperation with the sibling programs: the simplex program link and the
/// wave recorder. It is the sequencer's hook for both, and starts
/// announcements that the simplex partner asks for.
///
/// Core thread only. Borrows everything passed in; the sequencer may be
/// constructed after this object but must exist before startLink() or any
/// hook call. A null shared link or channel leaves that part out (one-shot
/// commands, tests).
class CooperationService : public QObject, public PartnerLink, public RecorderHooks {
  Q_OBJECT

 public:
  struct Wiring {
    std::function<QString()> statusText;            // EditData now
    std::function<void(const QString&)> setStatus;  // replaces EditData
    std::function<void(const QString&)> logLine;
    /// Appended to the link's object names when it starts (SIMPLEX_SUFFIXE=).
    std::function<QString()> linkSuffix;
  };

  CooperationService(Clock& clock, Notifier& notifier, SharedLink* sharedLink,
                     RecorderChannel* recorderChannel, const QByteArray& recorderPath);
  ~CooperationService() override;

  void setWiring(Wiring wiring);
  /// The sequencer whose announcements the partner asks for; before any start.
  void attach(Sequencer& sequencer) { sequencer_ = &sequencer; }

  /// Program start: connects the link, under the names that linkSuffix
  /// gives; a failure is shown in an error box.
  void startLink();
  /// Program close: stops a recording still on, closes a recorder this
  /// program launched, and disconnects the link for good.
  void stopLink();

  void recorderStart() override;
  void recorderStopAndClose() override;
  void sendPartnerDone() override;
  bool reconnectLink() override;
  void announcementBusy(bool busy) override;

  /// Null without a shared link / recorder channel.
  SimplexLink* link() { return link_.get(); }
  RecorderControl* recorder() { return recorder_.get(); }

 private:
  void playForPartner();

  Sequencer* sequencer_ = nullptr;
  Notifier& notifier_;
  Wiring wiring_;
  std::unique_ptr<SimplexLink> link_;
  std::unique_ptr<RecorderControl> recorder_;
  SharedLink* sharedLink_ = nullptr;
  bool stopped_ = false;
};

}  // namespace parlhora
