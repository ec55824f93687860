#include "PtyServer.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace parlhora::sim {
namespace {

long long monotonicMs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<long long>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

QString errnoText(const char* what) {
  return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno)));
}

}  // namespace

PtyServer::PtyServer(Options options) : options_(std::move(options)) {
  responder_.setCorruptEvery(options_.corruptEvery);
}

PtyServer::~PtyServer() {
  // Only our own link goes: a newer simulator may have taken the name.
  if (!options_.linkPath.isEmpty() && QFileInfo(options_.linkPath).symLinkTarget() == slaveName_)
    QFile::remove(options_.linkPath);
  if (slave_ >= 0) ::close(slave_);
  if (master_ >= 0) ::close(master_);
}

QString PtyServer::loadReadings() {
  if (options_.readingsFile.isEmpty()) return {};
  QFile file(options_.readingsFile);
  if (!file.open(QIODevice::ReadOnly))
    return options_.readingsFile + QStringLiteral(": ") + file.errorString();
  ReadingScript script = ReadingScript::parse(file.readAll());
  if (!script.error().isEmpty()) return options_.readingsFile + QStringLiteral(": ") + script.error();
  script_ = script;
  startMs_ = monotonicMs();
  return {};
}

QString PtyServer::start() {
  if (const QString wrong = loadReadings(); !wrong.isEmpty()) return wrong;
  master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (master_ < 0) return errnoText("posix_openpt");
  if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0) return errnoText("unlockpt");
  char name[128] = {};
  if (::ptsname_r(master_, name, sizeof name) != 0) return errnoText("ptsname");
  slaveName_ = QString::fromLocal8Bit(name);
  // Held open so the program's opening and closing never hangs up our side.
  slave_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (slave_ < 0) return errnoText("open slave");
  termios tio{};
  if (::tcgetattr(slave_, &tio) == 0) {
    ::cfmakeraw(&tio);
    ::tcsetattr(slave_, TCSANOW, &tio);
  }
  if (!options_.linkPath.isEmpty()) {
    QFile::remove(options_.linkPath);
    if (!QFile::link(slaveName_, options_.linkPath))
      return QStringLiteral("cannot link ") + options_.linkPath;
  }
  startMs_ = monotonicMs();
  return {};
}

QString PtyServer::device() const { return options_.linkPath.isEmpty() ? slaveName_ : options_.linkPath; }

void PtyServer::answer(const QByteArray& bytes, long long nowMs) {
  responder_.setState(script_.at((nowMs - startMs_) / 1000.0));
  const QByteArray reply = responder_.feed(bytes);
  if (options_.silent || reply.isEmpty()) return;
  queue_.emplace_back(nowMs + options_.slowMs, reply);
}

int PtyServer::run(volatile int& stop, volatile int& reload) {
  char buffer[256];
  while (!stop) {
    if (reload) {
      reload = 0;
      if (const QString wrong = loadReadings(); !wrong.isEmpty())
        std::fprintf(stderr, "station-sim: %s\n", qPrintable(wrong));
    }
    long long now = monotonicMs();
    while (!queue_.empty() && queue_.front().first <= now) {
      const QByteArray& out = queue_.front().second;
      if (::write(master_, out.constData(), static_cast<size_t>(out.size())) < 0 && errno != EINTR)
        std::fprintf(stderr, "station-sim: write: %s\n", std::strerror(errno));
      queue_.pop_front();
    }
    int wait = 100;
    if (!queue_.empty()) wait = static_cast<int>(std::max(0LL, queue_.front().first - now));
    pollfd p{master_, POLLIN, 0};
    const int r = ::poll(&p, 1, wait);
    if (r < 0) {
      if (errno == EINTR) continue;
      std::fprintf(stderr, "station-sim: poll: %s\n", std::strerror(errno));
      return 1;
    }
    if (r == 0 || !(p.revents & POLLIN)) continue;
    const ssize_t n = ::read(master_, buffer, sizeof buffer);
    if (n > 0) answer(QByteArray(buffer, static_cast<int>(n)), monotonicMs());
  }
  return 0;
}

}  // namespace parlhora::sim
