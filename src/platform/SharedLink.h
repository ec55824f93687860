#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

namespace parlhora {

/// Names of the three objects shared with the simplex program. Tests append
/// a suffix so parallel runs do not meet.
struct SharedLinkNames {
  QString block = QStringLiteral("/SIMPLEXSHAREDMEMORY");
  QString mutex = QStringLiteral("/SIMPLEXMUTEX");
  QString event = QStringLiteral("/SIMPLEXEVENT");

  static SharedLinkNames withSuffix(const QString& suffix) {
    SharedLinkNames names;
    names.block += suffix;
    names.mutex += suffix;
    names.event += suffix;
    return names;
  }
};

/// The named objects shared with the simplex program: a data block, a lock
/// that serialises its writers, and an event that wakes every current waiter
/// on each pulse (the event itself never stays signalled).
///
/// open() and close() run on the core thread while no other thread uses the
/// link; every other call may come from the core thread and the listener
/// thread at the same time.
class SharedLink {
 public:
  enum class Lock {
    Acquired,
    Recovered,  // the last owner died holding it; its state is taken over
    TimedOut,
    Failed,
  };

  static constexpr int kBlockSize = 65536;

  virtual ~SharedLink() = default;

  /// Creates the objects, or opens them if the partner created them first.
  /// On failure nothing stays open and `error` holds the system's reason.
  virtual bool open(QString& error) = 0;
  /// While closed: the names to open next, the usual ones with `suffix`
  /// appended (empty: the usual names).
  virtual void setSuffix(const QString& /*suffix*/) {}
  /// Closes this side; the objects stay for the partner.
  virtual void close() = 0;
  virtual bool isOpen() const = 0;
  /// The objects this side holds are no longer the ones behind the names
  /// (removed, re-created by a new partner) or one of them shrank: the link
  /// must be closed and opened anew. Any thread; a few system calls.
  virtual bool stale() const { return false; }

  /// Copies `bytes` to the start of the block; false if they do not fit or
  /// the link is closed.
  virtual bool write(const QByteArray& bytes) = 0;
  /// The whole block (kBlockSize bytes); nothing if the link is closed or
  /// the block shrank under the reader.
  virtual std::optional<QByteArray> read() const = 0;

  /// Waits up to `timeoutMs` for the writers' lock.
  virtual Lock lock(int timeoutMs) = 0;
  /// Only after lock() returned Acquired or Recovered.
  virtual void unlock() = 0;

  /// Number of pulses so far (wraps).
  virtual std::uint32_t generation() const = 0;
  /// Wakes everyone waiting now.
  virtual void pulse() = 0;
  /// Returns true as soon as generation() differs from `seen`, false after
  /// `timeoutMs` without a pulse or when the link is closed.
  virtual bool wait(std::uint32_t seen, int timeoutMs) = 0;
};

}  // namespace parlhora
