// The program as a service beside other programs: systemd's notification
// socket, and a simplex partner that a one-shot command must leave alone.
#include <gtest/gtest.h>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

const QString kProgram = QStringLiteral(PARLHORA_BINARY_DIR "/parlhora");
const QString kPeer = QStringLiteral(PARLHORA_BINARY_DIR "/tools/simplex-peer/simplex-peer");

QProcessEnvironment quietEnv(const QString& home) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove("DISPLAY");
  env.remove("WAYLAND_DISPLAY");
  env.remove("QT_QPA_PLATFORM");
  env.remove("NOTIFY_SOCKET");
  env.remove("WATCHDOG_USEC");
  env.remove("WATCHDOG_PID");
  env.insert("XDG_CONFIG_HOME", home);
  env.insert("XDG_PUBLICSHARE_DIR", QDir(home).filePath("public"));
  return env;
}

// Names of our own, so parallel runs and a real partner never meet.
QString writeSettings(const QTemporaryDir& home, const QByteArray& extra = {}) {
  const QString suffix = QStringLiteral("svc%1x%2").arg(::getpid()).arg(qintptr(&home));
  QFile file(QDir(home.path()).filePath("parlhora.ini"));
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("SIMPLEX_SUFFIXE=" + suffix.toLatin1() + "\r\nPERIOD=0\r\n" + extra);
  return suffix;
}

// A datagram socket standing in for systemd's.
class NotifySocket {
 public:
  explicit NotifySocket(const QString& path) : path_(path) {
    fd_ = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof address.sun_path);
    bound_ = ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  }
  ~NotifySocket() {
    ::close(fd_);
    QFile::remove(path_);
  }
  bool bound() const { return bound_; }
  // Every state line that arrives within `ms`, until `until` is among them.
  QStringList receive(int ms, const QString& until, QProcess& process) {
    QStringList lines;
    for (int waited = 0; waited < ms && !lines.contains(until); waited += 100) {
      process.waitForReadyRead(0);
      pollfd one{fd_, POLLIN, 0};
      if (::poll(&one, 1, 100) <= 0) continue;
      char buffer[4096];
      const ssize_t got = ::recv(fd_, buffer, sizeof buffer, 0);
      if (got > 0) lines << QString::fromUtf8(buffer, int(got)).split('\n', Qt::SkipEmptyParts);
    }
    return lines;
  }

 private:
  QString path_;
  int fd_ = -1;
  bool bound_ = false;
};

}  // namespace

TEST(Service, HeadlessTellsSystemdReadyAliveAndStopping) {
  QTemporaryDir home;
  writeSettings(home);
  NotifySocket socket(QDir(home.path()).filePath("notify"));
  ASSERT_TRUE(socket.bound());
  QProcessEnvironment env = quietEnv(home.path());
  env.insert("NOTIFY_SOCKET", QDir(home.path()).filePath("notify"));
  env.insert("WATCHDOG_USEC", "2000000");  // a ping every second
  QProcess process;
  process.setProcessEnvironment(env);
  process.start(kProgram, {"--headless", "--home", home.path()});
  ASSERT_TRUE(process.waitForStarted());

  QStringList lines = socket.receive(20000, QStringLiteral("READY=1"), process);
  ASSERT_TRUE(lines.contains("READY=1")) << lines.join(' ').toStdString();
  lines = socket.receive(20000, QStringLiteral("WATCHDOG=1"), process);
  lines += socket.receive(20000, QStringLiteral("WATCHDOG=1"), process);
  EXPECT_EQ(lines.count("WATCHDOG=1"), 2) << lines.join(' ').toStdString();
  process.terminate();
  lines = socket.receive(20000, QStringLiteral("STOPPING=1"), process);
  EXPECT_TRUE(lines.contains("STOPPING=1")) << lines.join(' ').toStdString();
  ASSERT_TRUE(process.waitForFinished(20000));
  EXPECT_EQ(process.exitCode(), 0);
}

TEST(Service, SayLeavesTheSimplexPartnerAlone) {
  QTemporaryDir home;
  // The null device: a real announcement, no sound card needed.
  const QString suffix = writeSettings(home, "OSOUND=0\r\nDATE=N\r\n");
  QProcess peer;
  peer.setProcessChannelMode(QProcess::MergedChannels);
  peer.start(kPeer, {"--suffix", suffix, "watch", "60000"});
  ASSERT_TRUE(peer.waitForStarted());
  QByteArray seen;
  for (int i = 0; i < 100 && !seen.contains("open"); ++i) {
    peer.waitForReadyRead(100);
    seen += peer.readAll();
  }
  ASSERT_TRUE(seen.contains("open"));

  QProcess say;
  say.setProcessEnvironment(quietEnv(home.path()));
  say.start(kProgram, {"say", "--home", home.path()});
  ASSERT_TRUE(say.waitForFinished(60000));
  EXPECT_EQ(say.exitCode(), 0) << say.readAllStandardError().toStdString();
  // Past the second in which an announcement's end reopens the link.
  peer.waitForFinished(1500);
  seen += peer.readAll();
  peer.kill();
  peer.waitForFinished();
  EXPECT_FALSE(seen.contains("recv")) << seen.toStdString();
  for (const char* name : {"/dev/shm/SIMPLEXSHAREDMEMORY", "/dev/shm/SIMPLEXMUTEX", "/dev/shm/SIMPLEXEVENT"})
    QFile::remove(QString::fromLatin1(name) + suffix);
}
