#include "link/CooperationService.h"

#include "audio/Sequencer.h"
#include "link/RecorderControl.h"
#include "link/SimplexLink.h"
#include "platform/Notifier.h"
#include "platform/SharedLink.h"

namespace parlhora {

CooperationService::CooperationService(Clock& clock, Notifier& notifier, SharedLink* sharedLink,
                                       RecorderChannel* recorderChannel, const QByteArray& recorderPath)
    : notifier_(notifier), sharedLink_(sharedLink) {
  if (sharedLink) link_ = std::make_unique<SimplexLink>(*sharedLink, clock, notifier);
  if (recorderChannel)
    recorder_ = std::make_unique<RecorderControl>(*recorderChannel, clock, notifier, recorderPath);
  setWiring({});
}

CooperationService::~CooperationService() = default;

void CooperationService::setWiring(Wiring wiring) {
  wiring_ = std::move(wiring);
  if (link_) {
    SimplexLink::Wiring linkWiring;
    linkWiring.statusText = wiring_.statusText;
    linkWiring.setStatus = wiring_.setStatus;
    linkWiring.logLine = wiring_.logLine;
    linkWiring.playForPartner = [this] { playForPartner(); };
    link_->setWiring(std::move(linkWiring));
  }
  if (recorder_) recorder_->logLine = wiring_.logLine;
}

void CooperationService::startLink() {
  if (!link_ || stopped_) return;
  if (wiring_.linkSuffix) {
    link_->disconnectLink();
    link_->setSuffix(wiring_.linkSuffix());
  }
  QString error;
  if (!link_->connectLink(error)) notifier_.errorBox(error);
}

void CooperationService::stopLink() {
  stopped_ = true;
  if (recorder_) recorder_->closeForExit();
  if (link_) link_->disconnectLink();
}

void CooperationService::recorderStart() {
  if (recorder_) recorder_->start();
}

void CooperationService::recorderStopAndClose() {
  if (recorder_) recorder_->stopAndClose();
}

void CooperationService::sendPartnerDone() {
  if (link_ && !stopped_) link_->partnerAnnouncementDone();
}

bool CooperationService::reconnectLink() {
  // After the close nothing may reopen what the program has let go.
  if (!link_ || stopped_) return true;
  link_->disconnectLink();
  QString error;
  if (link_->connectLink(error)) return true;
  if (wiring_.logLine) wiring_.logLine(QStringLiteral("Simplex: ") + error);
  return false;
}

void CooperationService::announcementBusy(bool busy) {
  if (link_) link_->setAnnouncementActive(busy);
}

void CooperationService::playForPartner() {
  if (!sequencer_) return;
  const bool wasBusy = sequencer_->busy();
  sequencer_->setStartedByPartner(true);
  sequencer_->Button1Click();
  // Refused (settings loading, carrier): no announcement will report done,
  // and a later one of our own must not report it instead.
  if (!wasBusy && !sequencer_->busy()) sequencer_->setStartedByPartner(false);
}

}  // namespace parlhora
