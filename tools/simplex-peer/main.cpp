// A stand-in for the simplex radio program: opens the shared objects, prints
// every message it sees and runs the steps given on the command line.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtEndian>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <mutex>
#include <thread>

#include "platform/backends/PosixSharedLink.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

using namespace parlhora;

namespace {

constexpr int kLockMs = 3000;

const char* kUsage =
    "usage: simplex-peer [--suffix S] STEP...\n"
    "steps, run in order:\n"
    "  send TEXT          write TEXT and pulse the event\n"
    "  expect TEXT [MS]   wait (default 5000 ms) for a message containing TEXT; exit 3 if none\n"
    "  watch MS           print what arrives for MS milliseconds\n"
    "  raw LENGTH         write only the length field, as a broken partner would\n"
    "  hold-lock          take the writers' lock and keep it until killed\n"
    "  truncate OBJ BYTES cut block, mutex or event down to BYTES, as a hostile partner would\n"
    "  unlink             remove the three names, as a partner cleaning up does\n"
    "prints \"open\" once it listens, then every message seen as: recv TEXT\n";

// The block as the partner program writes it; kept apart from the
// program's own code so each checks the other.
QByteArray encode(const QString& text) {
  const QByteArray body = text.toLatin1();
  QByteArray block(4, '\0');
  qToLittleEndian<std::int32_t>(std::int32_t(body.size()), block.data());
  return block + body;
}

class Peer {
 public:
  explicit Peer(SharedLinkNames names) : link_(std::move(names)) {}
  ~Peer() {
    stop_ = true;
    if (reader_.joinable()) reader_.join();
  }

  bool open() {
    QString error;
    if (!link_.open(error)) {
      std::fprintf(stderr, "simplex-peer: %s\n", qPrintable(error));
      return false;
    }
    const std::uint32_t seen = link_.generation();
    reader_ = std::thread([this, seen] { readLoop(seen); });
    say("open");
    return true;
  }

  void writeBlock(const QByteArray& block) {
    const auto lock = link_.lock(kLockMs);
    if (lock == SharedLink::Lock::Recovered) say("lock recovered");
    link_.write(block);
    link_.pulse();
    if (lock == SharedLink::Lock::Acquired || lock == SharedLink::Lock::Recovered) link_.unlock();
  }

  bool expect(const QString& text, int ms) {
    std::unique_lock guard(mutex_);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (true) {
      while (!queue_.empty()) {
        const QString next = queue_.front();
        queue_.pop_front();
        if (next.contains(text)) return true;
      }
      if (arrived_.wait_until(guard, deadline) == std::cv_status::timeout && queue_.empty()) return false;
    }
  }

  void holdLock() {
    if (link_.lock(kLockMs) == SharedLink::Lock::TimedOut) say("lock timed out");
    say("locked");
    while (true) std::this_thread::sleep_for(std::chrono::seconds(60));
  }

  static void say(const QString& line) {
    std::printf("%s\n", line.toLocal8Bit().constData());
    std::fflush(stdout);
  }

 private:
  void readLoop(std::uint32_t seen) {
    while (!stop_) {
      if (!link_.wait(seen, 100)) continue;
      const auto lock = link_.lock(kLockMs);
      seen = link_.generation();
      const QByteArray block = link_.read().value_or(QByteArray());
      if (lock == SharedLink::Lock::Acquired || lock == SharedLink::Lock::Recovered) link_.unlock();
      const std::int32_t n = block.size() >= 4 ? qFromLittleEndian<std::int32_t>(block.constData()) : -1;
      if (n < 0 || n > block.size() - 4) {
        say(QStringLiteral("bad length %1").arg(n));
        continue;
      }
      const QString text = QString::fromLatin1(block.constData() + 4, n);
      say("recv " + text);
      std::lock_guard guard(mutex_);
      queue_.push_back(text);
      arrived_.notify_all();
    }
  }

  PosixSharedLink link_;
  std::thread reader_;
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::condition_variable arrived_;
  std::deque<QString> queue_;
};

bool isNumber(const QStringList& args, int i) {
  bool ok = false;
  if (i < args.size()) args[i].toInt(&ok);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  QStringList args;
  for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  QString suffix;
  if (args.size() >= 2 && args[0] == "--suffix") {
    suffix = args[1];
    args = args.mid(2);
  }
  if (args.isEmpty() || args[0] == "--help") {
    std::fputs(kUsage, args.isEmpty() ? stderr : stdout);
    return args.isEmpty() ? 1 : 0;
  }
  const SharedLinkNames names = SharedLinkNames::withSuffix(suffix);
  Peer peer(names);
  if (!peer.open()) return 2;
  for (int i = 0; i < args.size(); ++i) {
    const QString step = args[i];
    if (step == "send" && i + 1 < args.size()) {
      peer.writeBlock(encode(args[++i]));
    } else if (step == "expect" && i + 1 < args.size()) {
      const QString text = args[++i];
      const int ms = isNumber(args, i + 1) ? args[++i].toInt() : 5000;
      if (!peer.expect(text, ms)) {
        Peer::say("missing " + text);
        return 3;
      }
    } else if (step == "watch" && isNumber(args, i + 1)) {
      std::this_thread::sleep_for(std::chrono::milliseconds(args[++i].toInt()));
    } else if (step == "raw" && isNumber(args, i + 1)) {
      QByteArray block(4, '\0');
      qToLittleEndian<std::int32_t>(args[++i].toInt(), block.data());
      peer.writeBlock(block);
    } else if (step == "truncate" && i + 2 < args.size() && isNumber(args, i + 2)) {
      const QString object = args[++i];
      const QString name = object == "block" ? names.block : object == "mutex" ? names.mutex : names.event;
      const int fd = ::shm_open(name.toLocal8Bit().constData(), O_RDWR, 0);
      if (fd < 0 || ::ftruncate(fd, args[++i].toInt()) != 0) {
        Peer::say("truncate failed");
        return 4;
      }
      ::close(fd);
      Peer::say("truncated " + object);
    } else if (step == "unlink") {
      PosixSharedLink::unlinkAll(names);
      Peer::say("unlinked");
    } else if (step == "hold-lock") {
      peer.holdLock();
    } else {
      std::fprintf(stderr, "simplex-peer: bad step %s\n%s", qPrintable(step), kUsage);
      return 1;
    }
  }
  return 0;
}
