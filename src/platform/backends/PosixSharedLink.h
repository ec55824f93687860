#pragma once

#include "platform/SharedLink.h"
#include "platform/backends/PosixSharedMemory.h"

namespace parlhora {

/// SharedLink on three POSIX shared-memory objects: the data block, a page
/// with a robust process-shared mutex, and a page with a pulse counter that
/// waiters sleep on through a shared futex. A process that dies while
/// waiting leaves nothing behind; one that dies holding the lock hands it to
/// the next locker.
class PosixSharedLink final : public SharedLink {
 public:
  explicit PosixSharedLink(SharedLinkNames names = {});
  ~PosixSharedLink() override;
  PosixSharedLink(const PosixSharedLink&) = delete;
  PosixSharedLink& operator=(const PosixSharedLink&) = delete;

  bool open(QString& error) override;
  void setSuffix(const QString& suffix) override;
  void close() override;
  bool isOpen() const override { return block_.isOpen(); }
  bool stale() const override;
  bool write(const QByteArray& bytes) override;
  std::optional<QByteArray> read() const override;
  Lock lock(int timeoutMs) override;
  void unlock() override;
  std::uint32_t generation() const override;
  void pulse() override;
  bool wait(std::uint32_t seen, int timeoutMs) override;

  const SharedLinkNames& names() const { return names_; }
  /// Removes the three names from the system (tests clean up with it).
  static void unlinkAll(const SharedLinkNames& names);

 private:
  bool prepareMutex(QString& error);

  const SharedLinkNames baseNames_;
  SharedLinkNames names_;
  PosixSharedMemory block_;
  PosixSharedMemory mutex_;
  PosixSharedMemory event_;
};

}  // namespace parlhora
