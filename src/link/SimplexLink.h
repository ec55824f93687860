#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <cstdint>
#include <functional>

#include "link/LinkWorker.h"
#include "link/SimplexListener.h"
#include "platform/Clock.h"

namespace parlhora {

class Notifier;
class SharedLink;

/// The link with the simplex program: connect, disconnect, send, and what
/// happens with each received message (shown in `EditData`, PLAY starts an
/// announcement for the partner; the listener thread answers HELLO). When
/// the objects are removed, re-created or shrunk by a partner, it logs
/// once and attaches to what the names lead to now.
///
/// Core thread only; the listener thread reaches it through queued calls.
/// Nothing here waits on a partner: sends, ending the listener and closing
/// run on the link's own thread, in order.
/// Borrows the shared link, clock and notifier, which must outlive it.
class SimplexLink : public QObject {
  Q_OBJECT

 public:
  static constexpr int kSendLockMs = 3000;
  /// Between attempts to attach again after the objects were lost.
  static constexpr int kReattachMs = 2000;

  static QString tag() { return QStringLiteral("PIROLO"); }
  static QString hello() { return QStringLiteral("PIROLO_HELLO"); }
  static QString ready() { return QStringLiteral("PIROLO_READY"); }
  static QString occupied() { return QStringLiteral("PIROLO_OCCUPIED"); }
  static QString play() { return QStringLiteral("PIROLO_PLAY"); }
  static QString done() { return QStringLiteral("PIROLO_DONE"); }

  struct Wiring {
    std::function<QString()> statusText;            // EditData now
    std::function<void(const QString&)> setStatus;  // replaces EditData
    std::function<void(const QString&)> logLine;
    std::function<void()> playForPartner;  // marks the partner's request and starts
  };

  SimplexLink(SharedLink& shared, Clock& clock, Notifier& notifier, QObject* parent = nullptr);
  ~SimplexLink() override;

  void setWiring(Wiring wiring) { wiring_ = std::move(wiring); }

  /// Opens the objects, starts listening and announces itself; false with
  /// the system's reason when the objects cannot be had.
  bool connectLink(QString& error);
  /// Says goodbye, ends the listener and closes this side. Safe when not
  /// connected.
  void disconnectLink();
  /// Queues the text for the link's thread, which waits for the partner's
  /// lock; false when not connected. A text that does not fit the block
  /// shows "Fehler: MapViewOfFile" once tried.
  bool send(const QString& text);
  /// The names' suffix, changed after a close has let the old objects go.
  void setSuffix(const QString& suffix);
  /// The end of an announcement the partner asked for: "PIROLO_DONE", and
  /// listening again if a HELLO during it had ended the listening.
  void partnerAnnouncementDone();

  /// Mirrors the announcement-busy flag for the listener's HELLO answer.
  void setAnnouncementActive(bool active) { listener_.setAnnouncementActive(active); }

  bool connected() const { return connected_; }
  bool listening() const { return listening_; }

  /// What `EditData` shows for a received text: its first six characters
  /// become "PARLHORA" when it contains the tag anywhere; control bytes are
  /// shown as \xNN and a backslash doubled.
  static QString displayText(const QString& received);

 private:
  void receive(std::uint64_t epoch, const SimplexListener::Received& received);
  bool open(QString& error, bool reattach);
  void listen(bool reattach);
  void openFailed(std::uint64_t epoch, bool reattaching, const QString& error);
  void close(bool sayGoodbye);
  /// `cause` goes to the log; empty for the quiet retries.
  void reattach(const QString& cause);
  void status(const QString& text);
  void log(const QString& text);

  SharedLink& shared_;
  Clock& clock_;
  Notifier& notifier_;
  Wiring wiring_;
  SimplexListener listener_;
  // Changes at every connect and disconnect, so readings and answers from
  // an earlier connection are dropped; the listener thread reads it.
  std::atomic<std::uint64_t> epoch_{0};
  Clock::TimerId pendingReattach_ = 0;
  bool connected_ = false;
  bool listening_ = false;
  // One box per fault: a partner that keeps breaking the objects must not
  // pile them up.
  bool faultShown_ = false;
  // Last: its thread ends before what its jobs use.
  LinkWorker worker_;
};

}  // namespace parlhora
