#include "link/SimplexLink.h"

#include <QMetaObject>

#include "link/SharedSend.h"
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

SimplexLink::~SimplexLink() {
  disconnectLink();
  worker_.drain();
}

bool SimplexLink::connectLink(QString& error) {
  disconnectLink();
  return open(error, false);
}

bool SimplexLink::open(QString& error, bool reattach) {
  // While an earlier close still waits on the partner, the open follows it
  // on the link's thread; otherwise it is quick and its failure is told now.
  const bool now = worker_.idle();
  if (now && !shared_.open(error)) return false;
  connected_ = true;
  listening_ = true;
  ++epoch_;
  if (now) {
    listen(reattach);
  } else {
    const std::uint64_t epoch = epoch_;
    worker_.post([this, epoch, reattach] {
      QString failure;
      if (shared_.open(failure)) {
        listen(reattach);
        return;
      }
      QMetaObject::invokeMethod(
          this, [this, epoch, reattach, failure] { openFailed(epoch, reattach, failure); },
          Qt::QueuedConnection);
    });
  }
  send(tag() + QStringLiteral(" connecté"));
  if (!wiring_.statusText || !wiring_.statusText().startsWith(QStringLiteral("Feh")))
    status(QStringLiteral("Parlhora verbunden"));
  return true;
}

void SimplexLink::listen(bool reattach) {
  // A new partner may have asked while we were away; its question is still
  // in the block, and our greeting is about to overwrite it.
  std::optional<MessageBlock::Decoded> waiting;
  if (reattach) {
    if (const std::optional<QByteArray> block = shared_.read()) {
      const MessageBlock::Decoded message = MessageBlock::decode(*block);
      if (message.valid && message.text.contains(hello())) waiting = message;
    }
  }
  listener_.start(waiting);
}

void SimplexLink::openFailed(std::uint64_t epoch, bool reattaching, const QString& error) {
  if (epoch != epoch_) return;
  connected_ = false;
  listening_ = false;
  ++epoch_;
  if (!reattaching) {
    log(QStringLiteral("Simplex: ") + error);
    return;
  }
  if (!faultShown_) log(QStringLiteral("Simplex: ") + error);
  faultShown_ = true;
  pendingReattach_ = clock_.callAfter(kReattachMs, [this] { reattach({}); });
}

void SimplexLink::setSuffix(const QString& suffix) {
  if (worker_.idle())
    shared_.setSuffix(suffix);
  else
    worker_.post([this, suffix] { shared_.setSuffix(suffix); });
}

void SimplexLink::disconnectLink() {
  clock_.cancel(pendingReattach_);
  pendingReattach_ = 0;
  close(true);
}

void SimplexLink::close(bool sayGoodbye) {
  if (!connected_) return;
  listener_.requestStop();
  if (sayGoodbye) send(tag() + QStringLiteral(" déconnecté"));
  connected_ = false;
  listening_ = false;
  ++epoch_;
  // The listener may be waiting for the partner's lock: it ends there.
  worker_.post([this] {
    listener_.stop();
    shared_.close();
  });
}

void SimplexLink::reattach(const QString& cause) {
  if (!cause.isEmpty()) log(QStringLiteral("Simplex: ") + cause);
  // The old objects are nobody's any more: no goodbye into them.
  close(false);
  pendingReattach_ = 0;
  QString error;
  if (open(error, true)) return;
  // Tried again quietly; the first failure is in the log.
  if (!faultShown_) log(QStringLiteral("Simplex: ") + error);
  faultShown_ = true;
  pendingReattach_ = clock_.callAfter(kReattachMs, [this] { reattach({}); });
}

bool SimplexLink::send(const QString& text) {
  if (!connected_) return false;
  worker_.post([this, text] {
    // The objects did not open after all: that failure is told already.
    if (!shared_.isOpen()) return;
    const SharedSend::Result sent = SharedSend::send(shared_, text, kSendLockMs);
    if (!sent.recovered && sent.written) return;
    QMetaObject::invokeMethod(
        this,
        [this, sent] {
          if (sent.recovered) log(QStringLiteral("Simplex: Sperre eines beendeten Programms übernommen"));
          if (!sent.written) status(QStringLiteral("Fehler: MapViewOfFile"));
        },
        Qt::QueuedConnection);
  });
  return true;
}

void SimplexLink::partnerAnnouncementDone() {
  send(done());
  // Otherwise nothing would reopen the link: only announcements of our own
  // reconnect it.
  if (connected_ && !listening_) {
    ++epoch_;
    listening_ = true;
    worker_.post([this] {
      listener_.stop();
      listener_.start();
    });
  }
}

QString SimplexLink::displayText(const QString& received) {
  QString text = received;
  if (text.contains(tag())) text.replace(0, 6, QStringLiteral("PARLHORA"));
  // The partner's bytes reach terminals and the journal: no control byte
  // may act there.
  QString shown;
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    if (u == '\\')
      shown += QStringLiteral("\\\\");
    else if (u < 0x20 || u == 0x7f || (u >= 0x80 && u < 0xa0))
      shown += QStringLiteral("\\x%1").arg(int(u), 2, 16, QLatin1Char('0'));
    else
      shown += c;
  }
  return shown;
}

void SimplexLink::receive(std::uint64_t epoch, const SimplexListener::Received& received) {
  if (epoch != epoch_ || !connected_) return;
  if (received.lockRecovered) log(QStringLiteral("Simplex: Sperre eines beendeten Programms übernommen"));
  if (received.occupied) {
    listening_ = false;
    return;
  }
  if (received.readFailed || received.stale) {
    listening_ = false;
    if (received.readFailed && !faultShown_) {
      faultShown_ = true;
      notifier_.errorBox(QStringLiteral("Pointer acquisition failed"));
    }
    reattach(received.readFailed
                 ? QStringLiteral("Pointer acquisition failed, Verbindung wird erneuert")
                 : QStringLiteral("gemeinsame Objekte ersetzt oder verkleinert, Verbindung wird erneuert"));
    return;
  }
  if (!listening_) return;
  if (!received.message.valid) {
    log(QStringLiteral("Simplex: ungültige Länge %1, Nachricht verworfen").arg(received.message.length));
    return;
  }
  faultShown_ = false;
  const QString& text = received.message.text;
  // A playback error on display outweighs the partner's chatter.
  if (!wiring_.statusText || !wiring_.statusText().startsWith(QStringLiteral("Err")))
    status(displayText(text));
  if (text.contains(play()) && wiring_.playForPartner) wiring_.playForPartner();
}

void SimplexLink::status(const QString& text) {
  if (wiring_.setStatus) wiring_.setStatus(text);
}

void SimplexLink::log(const QString& text) {
  if (wiring_.logLine) wiring_.logLine(text);
}

}  // namespace parlhora
