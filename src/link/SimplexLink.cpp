#include "link/SimplexLink.h"

#include <QMetaObject>

#include "platform/Notifier.h"
#include "platform/SharedLink.h"

namespace parlhora {

SimplexLink::SimplexLink(SharedLink& shared, Clock& clock, Notifier& notifier, QObject* parent)
    : QObject(parent),
      shared_(shared),
      clock_(clock),
      notifier_(notifier),
      listener_(shared, [this](const SimplexListener::Received& received) {
        // Listener thread: hand over, touch nothing.
        const std::uint64_t epoch = epoch_;
        QMetaObject::invokeMethod(
            this, [this, epoch, received] { receive(epoch, received); }, Qt::QueuedConnection);
      }) {}

SimplexLink::~SimplexLink() { disconnectLink(); }

bool SimplexLink::connectLink(QString& error) {
  disconnectLink();
  if (!shared_.open(error)) return false;
  connected_ = true;
  listening_ = true;
  ++epoch_;
  listener_.start();
  send(tag() + QStringLiteral(" connecté"));
  if (!wiring_.statusText || !wiring_.statusText().startsWith(QStringLiteral("Feh")))
    status(QStringLiteral("Parlhora verbunden"));
  return true;
}

void SimplexLink::disconnectLink() {
  if (!connected_) return;
  listener_.requestStop();
  send(tag() + QStringLiteral(" déconnecté"));
  listener_.stop();
  shared_.close();
  clock_.cancel(pendingHello_);
  pendingHello_ = 0;
  connected_ = false;
  listening_ = false;
  ++epoch_;
}

bool SimplexLink::send(const QString& text) {
  if (!connected_) return false;
  const SharedLink::Lock lock = shared_.lock(kSendLockMs);
  // A time-out is no reason to keep quiet: the message goes out anyway.
  const bool locked = lock == SharedLink::Lock::Acquired || lock == SharedLink::Lock::Recovered;
  if (lock == SharedLink::Lock::Recovered)
    log(QStringLiteral("Simplex: Sperre eines beendeten Programms übernommen"));
  const bool written = shared_.write(MessageBlock::encode(text));
  if (written) shared_.pulse();
  if (locked) shared_.unlock();
  if (!written) status(QStringLiteral("Fehler: MapViewOfFile"));
  return written;
}

void SimplexLink::partnerAnnouncementDone() {
  send(done());
  // Otherwise nothing would reopen the link: only announcements of our own
  // reconnect it.
  if (connected_ && !listening_) {
    listener_.stop();
    ++epoch_;
    listening_ = true;
    listener_.start();
  }
}

QString SimplexLink::displayText(const QString& received) {
  if (!received.contains(tag())) return received;
  return QString(received).replace(0, 6, QStringLiteral("PARLHORA"));
}

void SimplexLink::receive(std::uint64_t epoch, const SimplexListener::Received& received) {
  if (epoch != epoch_ || !listening_) return;
  if (received.readFailed) {
    stopListening();
    notifier_.errorBox(QStringLiteral("Pointer acquisition failed"));
    return;
  }
  if (!received.message.valid) {
    log(QStringLiteral("Simplex: ungültige Länge %1, Nachricht verworfen").arg(received.message.length));
    return;
  }
  const QString& text = received.message.text;
  // A playback error on display outweighs the partner's chatter.
  if (!wiring_.statusText || !wiring_.statusText().startsWith(QStringLiteral("Err")))
    status(displayText(text));
  if (text.contains(hello()) && pendingHello_ == 0) {
    pendingHello_ = clock_.callAfter(kHelloDelayMs, [this] {
      pendingHello_ = 0;
      answerHello();
    });
  }
  if (text.contains(play()) && wiring_.playForPartner) wiring_.playForPartner();
}

void SimplexLink::answerHello() {
  if (!listening_) return;
  if (wiring_.announcementActive && wiring_.announcementActive()) {
    send(occupied());
    // Deaf until the announcement's end reopens the link.
    stopListening();
    return;
  }
  send(ready());
}

void SimplexLink::stopListening() {
  listening_ = false;
  listener_.requestStop();
}

void SimplexLink::status(const QString& text) {
  if (wiring_.setStatus) wiring_.setStatus(text);
}

void SimplexLink::log(const QString& text) {
  if (wiring_.logLine) wiring_.logLine(text);
}

}  // namespace parlhora
