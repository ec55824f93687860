#include "platform/backends/PosixSharedLink.h"

#include <linux/futex.h>
#include <pthread.h>
#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>
#include <thread>

namespace parlhora {

namespace {

constexpr std::size_t kPage = 4096;

// Layout of the mutex page. `state` tells a late opener whether the creator
// has finished setting the mutex up.
struct MutexPage {
  std::uint32_t state;
  std::uint32_t reserved;
  pthread_mutex_t mutex;
};
static_assert(sizeof(MutexPage) <= kPage);

enum : std::uint32_t { Fresh = 0, Preparing = 1, Ready = 2 };
constexpr int kPrepareWaitMs = 1000;

MutexPage* mutexPage(const PosixSharedMemory& memory) { return static_cast<MutexPage*>(memory.data()); }

std::uint32_t* counter(const PosixSharedMemory& memory) { return static_cast<std::uint32_t*>(memory.data()); }

bool initMutex(pthread_mutex_t* mutex) {
  pthread_mutexattr_t attr;
  if (pthread_mutexattr_init(&attr) != 0) return false;
  bool ok = pthread_mutexattr_setpshared(&attr, PTHREAD_PROCESS_SHARED) == 0 &&
            pthread_mutexattr_setrobust(&attr, PTHREAD_MUTEX_ROBUST) == 0 &&
            pthread_mutexattr_settype(&attr, PTHREAD_MUTEX_ERRORCHECK) == 0 &&
            pthread_mutex_init(mutex, &attr) == 0;
  pthread_mutexattr_destroy(&attr);
  return ok;
}

timespec deadlineIn(int ms) {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  t.tv_sec += ms / 1000;
  t.tv_nsec += static_cast<long>(ms % 1000) * 1000000L;
  if (t.tv_nsec >= 1000000000L) {
    t.tv_sec += 1;
    t.tv_nsec -= 1000000000L;
  }
  return t;
}

long remainingNs(const timespec& deadline) {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return (deadline.tv_sec - now.tv_sec) * 1000000000L + (deadline.tv_nsec - now.tv_nsec);
}

}  // namespace

PosixSharedLink::PosixSharedLink(SharedLinkNames names) : baseNames_(names), names_(std::move(names)) {}

void PosixSharedLink::setSuffix(const QString& suffix) {
  if (isOpen()) return;
  names_ = baseNames_;
  names_.block += suffix;
  names_.mutex += suffix;
  names_.event += suffix;
}

PosixSharedLink::~PosixSharedLink() { close(); }

bool PosixSharedLink::open(QString& error) {
  close();
  if (!block_.open(names_.block, kBlockSize, error) || !mutex_.open(names_.mutex, kPage, error) ||
      !prepareMutex(error) || !event_.open(names_.event, kPage, error)) {
    close();
    return false;
  }
  return true;
}

bool PosixSharedLink::prepareMutex(QString& error) {
  MutexPage* page = mutexPage(mutex_);
  std::atomic_ref<std::uint32_t> state(page->state);
  std::uint32_t expected = Fresh;
  if (state.compare_exchange_strong(expected, Preparing)) {
    if (!initMutex(&page->mutex)) {
      state.store(Fresh);
      error = QStringLiteral("pthread_mutex_init %1").arg(names_.mutex);
      return false;
    }
    state.store(Ready, std::memory_order_release);
    return true;
  }
  for (int waited = 0; waited < kPrepareWaitMs && state.load(std::memory_order_acquire) != Ready; ++waited)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  if (state.load(std::memory_order_acquire) == Ready) return true;
  // Whoever began died in the middle; nobody can be holding a mutex that
  // was never ready.
  if (!initMutex(&page->mutex)) {
    error = QStringLiteral("pthread_mutex_init %1").arg(names_.mutex);
    return false;
  }
  state.store(Ready, std::memory_order_release);
  return true;
}

void PosixSharedLink::close() {
  block_.close();
  mutex_.close();
  event_.close();
}

bool PosixSharedLink::stale() const {
  if (!isOpen()) return false;
  for (const PosixSharedMemory* memory : {&block_, &mutex_, &event_})
    if (!memory->intact() || !memory->stillNamed()) return true;
  return false;
}

bool PosixSharedLink::write(const QByteArray& bytes) {
  if (!block_.intact() || bytes.size() > kBlockSize) return false;
  std::memcpy(block_.data(), bytes.constData(), static_cast<std::size_t>(bytes.size()));
  return block_.intact();
}

std::optional<QByteArray> PosixSharedLink::read() const {
  if (!block_.intact()) return std::nullopt;
  QByteArray copy(static_cast<const char*>(block_.data()), kBlockSize);
  // Shrunk while copying: part of the copy is zeros, not the message.
  if (!block_.intact()) return std::nullopt;
  return copy;
}

SharedLink::Lock PosixSharedLink::lock(int timeoutMs) {
  if (!mutex_.intact()) return Lock::Failed;
  pthread_mutex_t* mutex = &mutexPage(mutex_)->mutex;
  const timespec deadline = deadlineIn(timeoutMs);
  int rc = pthread_mutex_clocklock(mutex, CLOCK_MONOTONIC, &deadline);
  if (rc == ENOTRECOVERABLE) {
    // Someone unlocked a dead owner's mutex without repairing it; it would
    // refuse everyone for good. Nobody holds it, so it can be set up anew.
    if (!initMutex(mutex)) return Lock::Failed;
    rc = pthread_mutex_clocklock(mutex, CLOCK_MONOTONIC, &deadline);
  }
  if ((rc == 0 || rc == EOWNERDEAD) && !mutex_.intact()) {
    // Whatever was locked, it is no longer the partner's mutex.
    pthread_mutex_unlock(mutex);
    return Lock::Failed;
  }
  switch (rc) {
    case 0:
      return Lock::Acquired;
    case EOWNERDEAD:
      pthread_mutex_consistent(mutex);
      return Lock::Recovered;
    case ETIMEDOUT:
      return Lock::TimedOut;
    default:
      return Lock::Failed;
  }
}

void PosixSharedLink::unlock() {
  if (mutex_.intact()) pthread_mutex_unlock(&mutexPage(mutex_)->mutex);
}

std::uint32_t PosixSharedLink::generation() const {
  if (!event_.intact()) return 0;
  return std::atomic_ref<std::uint32_t>(*counter(event_)).load(std::memory_order_acquire);
}

void PosixSharedLink::pulse() {
  if (!event_.intact()) return;
  std::uint32_t* word = counter(event_);
  std::atomic_ref<std::uint32_t>(*word).fetch_add(1, std::memory_order_acq_rel);
  // Not FUTEX_PRIVATE: the waiters live in other processes.
  ::syscall(SYS_futex, word, FUTEX_WAKE, INT_MAX, nullptr, nullptr, 0);
}

bool PosixSharedLink::wait(std::uint32_t seen, int timeoutMs) {
  if (!event_.isOpen()) return false;
  std::uint32_t* word = counter(event_);
  std::atomic_ref<std::uint32_t> value(*word);
  const timespec deadline = deadlineIn(timeoutMs);
  while (true) {
    // A shrunk event is no event: the caller sees a quiet wait and a stale link.
    if (!event_.intact()) return false;
    if (value.load(std::memory_order_acquire) != seen) return true;
    const long left = remainingNs(deadline);
    if (left <= 0) return false;
    timespec relative{left / 1000000000L, left % 1000000000L};
    // EAGAIN (changed before sleeping), EINTR and spurious wake-ups all
    // lead back to the check above.
    ::syscall(SYS_futex, word, FUTEX_WAIT, seen, &relative, nullptr, 0);
  }
}

void PosixSharedLink::unlinkAll(const SharedLinkNames& names) {
  PosixSharedMemory::unlink(names.block);
  PosixSharedMemory::unlink(names.mutex);
  PosixSharedMemory::unlink(names.event);
}

}  // namespace parlhora
