// Partners that break the shared objects, in separate processes: the link
// must survive, say so once, and find its way back by itself.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <thread>

#include "LinkRig.h"
#include "link/SimplexLink.h"
#include "platform/backends/PosixSharedMemory.h"

namespace parlhora {

namespace {

constexpr int kPeerMs = 15000;

bool connectRig(LinkRig& rig) {
  rig.service.startLink();
  return rig.service.link()->listening() &&
         runEventsUntil([&] { return rig.statuses.contains(QStringLiteral("PARLHORA connecté")); }, 5000);
}

int renewals(const LinkRig& rig) {
  int count = 0;
  for (const QString& line : rig.log)
    if (line.contains(QStringLiteral("Verbindung wird erneuert"))) ++count;
  return count;
}

}  // namespace

TEST(HostilePartner, ShrunkObjectsCostOneLogLineAndTheLinkComesBack) {
  const struct {
    const char* object;
    const char* bytes;
  } cases[] = {{"block", "0"}, {"block", "100"}, {"mutex", "0"}, {"event", "0"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.object) + " " + c.bytes);
    LinkRig rig;
    ASSERT_TRUE(connectRig(rig));
    ToolProcess breaker(QStringLiteral("simplex-peer"), rig.peerArgs({"truncate", c.object, c.bytes}));
    ASSERT_TRUE(breaker.finish(kPeerMs));
    ASSERT_EQ(breaker.exitCode(), 0) << breaker.output().toStdString();
    // Our own look at the objects right after: no bus error, only a failed send.
    rig.service.link()->send(QStringLiteral("PIROLO_TEST"));
    ASSERT_TRUE(runEventsUntil([&] { return renewals(rig) > 0 && rig.service.link()->listening(); }, 5000))
        << rig.log.join('\n').toStdString();
    ToolProcess peer(QStringLiteral("simplex-peer"),
                     rig.peerArgs({"send", "PIROLO_HELLO", "expect", "PIROLO_READY", "3000"}));
    ASSERT_TRUE(peer.finish(kPeerMs));
    EXPECT_EQ(peer.exitCode(), 0) << peer.output().toStdString();
    EXPECT_EQ(renewals(rig), 1) << rig.log.join('\n').toStdString();
    EXPECT_LE(rig.notifier.boxes.size(), 1);
  }
}

TEST(HostilePartner, ObjectsRemovedAndRecreatedByANewPartnerAreFoundAgain) {
  LinkRig rig;
  ASSERT_TRUE(connectRig(rig));
  ToolProcess old(QStringLiteral("simplex-peer"), rig.peerArgs({"unlink"}));
  ASSERT_TRUE(old.finish(kPeerMs));
  // The new partner makes fresh objects and asks at once; no announcement
  // of ours is due to reconnect us.
  ToolProcess fresh(QStringLiteral("simplex-peer"),
                    rig.peerArgs({"send", "PIROLO_HELLO", "expect", "PIROLO_READY", "2000"}));
  ASSERT_TRUE(fresh.finish(kPeerMs));
  EXPECT_EQ(fresh.exitCode(), 0) << fresh.output().toStdString() << rig.log.join('\n').toStdString();
}

TEST(HostilePartner, HelloIsAnsweredWhileTheCoreThreadIsBusy) {
  LinkRig rig;
  ASSERT_TRUE(connectRig(rig));
  ToolProcess peer(QStringLiteral("simplex-peer"),
                   rig.peerArgs({"send", "PIROLO_HELLO", "expect", "PIROLO_READY", "1500"}));
  // No events for longer than the partner waits: only the listener can answer.
  std::this_thread::sleep_for(std::chrono::milliseconds(2500));
  ASSERT_TRUE(peer.finish(kPeerMs));
  EXPECT_EQ(peer.exitCode(), 0) << peer.output().toStdString();
}

TEST(HostilePartner, MappingOfAShrunkObjectReadsZerosInsteadOfKilling) {
  const QString name = QStringLiteral("/parlhora-guard-%1").arg(::getpid());
  PosixSharedMemory memory;
  QString error;
  ASSERT_TRUE(memory.open(name, 3 * 4096, error)) << error.toStdString();
  static_cast<char*>(memory.data())[8192] = 'x';
  EXPECT_TRUE(memory.intact());
  const int fd = ::shm_open(name.toLocal8Bit().constData(), O_RDWR, 0);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::ftruncate(fd, 100), 0);
  ::close(fd);
  // Past the new end, where a plain mapping would raise SIGBUS.
  EXPECT_EQ(static_cast<volatile char*>(memory.data())[8192], 0);
  EXPECT_FALSE(memory.intact());
  EXPECT_TRUE(memory.stillNamed());
  PosixSharedMemory::unlink(name);
  EXPECT_FALSE(memory.stillNamed());
}

}  // namespace parlhora
