// The link between this program's core and tools/simplex-peer, a separate
// process, through real shared memory.
#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "LinkRig.h"
#include "link/SimplexLink.h"

namespace parlhora {

namespace {

constexpr int kPeerMs = 15000;

bool connectRig(LinkRig& rig) {
  rig.service.startLink();
  // Our own greeting comes back through the listener like any message.
  return rig.notifier.boxes.isEmpty() && rig.service.link()->listening() &&
         runEventsUntil([&] { return rig.statuses.contains(QStringLiteral("PARLHORA connecté")); }, 5000);
}

}  // namespace

TEST(SimplexLink, PartnerAsksAndGetsAnAnnouncement) {
  LinkRig rig;
  ASSERT_TRUE(connectRig(rig));
  EXPECT_TRUE(rig.statuses.contains(QStringLiteral("Parlhora verbunden")));
  // A playback error on display is not replaced by the partner's messages.
  rig.setStatus(QStringLiteral("Err: Res Wave"));
  ToolProcess peer(QStringLiteral("simplex-peer"),
                   rig.peerArgs({"send", "PIROLO_HELLO", "expect", "PIROLO_READY", "3000", "send",
                                 "PIROLO_PLAY", "expect", "PIROLO_DONE", "10000", "watch", "1500"}));
  ASSERT_TRUE(runEventsUntil([&] { return rig.sequencer.busy(); }, kPeerMs)) << peer.output().toStdString();
  EXPECT_EQ(rig.status, QStringLiteral("PARLHORA SPIEL"));
  EXPECT_FALSE(rig.statuses.contains(QStringLiteral("PARLHORA_HELLO")));
  EXPECT_TRUE(rig.keying.keyed);

  ASSERT_TRUE(rig.finishAnnouncement());
  ASSERT_TRUE(peer.finish(kPeerMs));
  EXPECT_EQ(peer.exitCode(), 0) << peer.output().toStdString();
  EXPECT_FALSE(rig.keying.keyed);
  EXPECT_FALSE(rig.sequencer.startedByPartner());
  // Done, and the link stays as it is: no goodbye, no new greeting.
  const QString after = peer.output().section(QStringLiteral("recv PIROLO_DONE"), 1);
  EXPECT_FALSE(after.contains(QStringLiteral("PIROLO d"))) << after.toStdString();
  EXPECT_FALSE(after.contains(QStringLiteral("PIROLO c"))) << after.toStdString();
  EXPECT_TRUE(rig.service.link()->listening());
  EXPECT_TRUE(rig.statuses.contains(QStringLiteral("PARLHORA_DONE")));
}

TEST(SimplexLink, HelloDuringAnAnnouncementIsOccupiedAndDeafUntilItsEnd) {
  LinkRig rig;
  ASSERT_TRUE(connectRig(rig));
  rig.sequencer.Button1Click();
  ASSERT_TRUE(rig.sequencer.busy());
  {
    ToolProcess peer(QStringLiteral("simplex-peer"),
                     rig.peerArgs({"send", "PIROLO_HELLO", "expect", "PIROLO_OCCUPIED", "3000", "send",
                                   "PIROLO_HELLO", "watch", "800"}));
    ASSERT_TRUE(peer.finish(kPeerMs));
    EXPECT_EQ(peer.exitCode(), 0) << peer.output().toStdString();
    EXPECT_EQ(peer.output().count(QStringLiteral("recv PIROLO_OCCUPIED")), 1) << peer.output().toStdString();
    EXPECT_FALSE(peer.output().contains(QStringLiteral("PIROLO_READY")));
  }
  EXPECT_FALSE(rig.service.link()->listening());

  // Our own announcement's end reopens the link, which listens again.
  ToolProcess peer(QStringLiteral("simplex-peer"),
                   rig.peerArgs({"expect", "PIROLO conn", "10000", "send", "PIROLO_HELLO", "expect",
                                 "PIROLO_READY", "3000"}));
  ASSERT_TRUE(rig.finishAnnouncement());
  ASSERT_TRUE(peer.finish(kPeerMs));
  EXPECT_EQ(peer.exitCode(), 0) << peer.output().toStdString();
  EXPECT_TRUE(rig.service.link()->listening());
  EXPECT_FALSE(rig.keying.keyed);
}

TEST(SimplexLink, HelloDuringThePartnersAnnouncementDoesNotLeaveTheLinkDeaf) {
  LinkRig rig;
  ASSERT_TRUE(connectRig(rig));
  ToolProcess peer(QStringLiteral("simplex-peer"),
                   rig.peerArgs({"send", "PIROLO_PLAY", "watch", "300", "send", "PIROLO_HELLO", "expect",
                                 "PIROLO_OCCUPIED", "3000", "expect", "PIROLO_DONE", "10000", "watch", "300",
                                 "send", "PIROLO_HELLO", "expect", "PIROLO_READY", "3000"}));
  ASSERT_TRUE(
      runEventsUntil([&] { return rig.service.link() && !rig.service.link()->listening(); }, kPeerMs));
  ASSERT_TRUE(rig.finishAnnouncement());
  ASSERT_TRUE(peer.finish(kPeerMs));
  EXPECT_EQ(peer.exitCode(), 0) << peer.output().toStdString();
}

TEST(SimplexLink, FailedAnnouncementsStillAnswerThePartnerAndListenAgain) {
  LinkRig rig;
  ASSERT_TRUE(connectRig(rig));
  {
    // The partner's request fails on the way: it still hears that it is over.
    ToolProcess peer(QStringLiteral("simplex-peer"),
                     rig.peerArgs({"send", "PIROLO_PLAY", "expect", "PIROLO_DONE", "10000"}));
    ASSERT_TRUE(runEventsUntil([&] { return rig.sequencer.busy(); }, kPeerMs));
    rig.sequencer.onPlaybackFailure();
    ASSERT_TRUE(peer.finish(kPeerMs));
    EXPECT_EQ(peer.exitCode(), 0) << peer.output().toStdString();
  }
  {
    // Deaf after OCCUPIED, then a reset whose device will not close.
    rig.sequencer.Button1Click();
    ToolProcess peer(QStringLiteral("simplex-peer"),
                     rig.peerArgs({"send", "PIROLO_HELLO", "expect", "PIROLO_OCCUPIED", "3000"}));
    ASSERT_TRUE(peer.finish(kPeerMs));
    ASSERT_TRUE(runEventsUntil([&] { return !rig.service.link()->listening(); }, kPeerMs));
    rig.out.failOnce(QStringLiteral("reset"));
    rig.sequencer.onPlaybackFailure();
  }
  EXPECT_TRUE(rig.service.link()->listening());
  ToolProcess peer(QStringLiteral("simplex-peer"),
                   rig.peerArgs({"send", "PIROLO_HELLO", "expect", "PIROLO_READY", "3000"}));
  ASSERT_TRUE(peer.finish(kPeerMs));
  EXPECT_EQ(peer.exitCode(), 0) << peer.output().toStdString();
}

TEST(SimplexLink, PartnerKilledHoldingTheLockBlocksNobody) {
  LinkRig rig;
  ASSERT_TRUE(connectRig(rig));
  ToolProcess holder(QStringLiteral("simplex-peer"), rig.peerArgs({"hold-lock"}));
  ASSERT_TRUE(holder.waitFor(QStringLiteral("locked"), kPeerMs)) << holder.output().toStdString();
  holder.kill();

  ASSERT_TRUE(rig.service.link()->send(QStringLiteral("PIROLO_TEST")));
  EXPECT_TRUE(runEventsUntil([&] { return rig.log.join('\n').contains(QStringLiteral("übernommen")); }, 5000))
      << rig.log.join('\n').toStdString();
  ToolProcess peer(QStringLiteral("simplex-peer"),
                   rig.peerArgs({"send", "PIROLO_HELLO", "expect", "PIROLO_READY", "3000"}));
  ASSERT_TRUE(peer.finish(kPeerMs));
  EXPECT_EQ(peer.exitCode(), 0) << peer.output().toStdString();
}

TEST(SimplexLink, APartnerHoldingTheLockNeverHoldsUpTheCore) {
  LinkRig rig;
  ASSERT_TRUE(connectRig(rig));
  ToolProcess holder(QStringLiteral("simplex-peer"), rig.peerArgs({"hold-lock"}));
  ASSERT_TRUE(holder.waitFor(QStringLiteral("locked"), kPeerMs)) << holder.output().toStdString();
  QElapsedTimer took;
  took.start();
  rig.service.reconnectLink();
  rig.service.sendPartnerDone();
  // Each of the three would wait for the lock for seconds.
  EXPECT_LT(took.elapsed(), SimplexLink::kSendLockMs / 3);
  ToolProcess watcher(QStringLiteral("simplex-peer"), rig.peerArgs({"watch", "4000"}));
  ASSERT_TRUE(watcher.waitFor(QStringLiteral("open"), kPeerMs));
  holder.kill();
  ASSERT_TRUE(watcher.finish(kPeerMs));
  // When the partner lets go, the queued messages follow; the last is the
  // one it waits for (the others may be overwritten before it looks).
  EXPECT_TRUE(watcher.output().contains(QStringLiteral("recv PIROLO_DONE")))
      << watcher.output().toStdString();
  EXPECT_TRUE(rig.service.link()->listening());
}

TEST(SimplexLink, BrokenLengthFieldsAreLoggedAndIgnored) {
  LinkRig rig;
  ASSERT_TRUE(connectRig(rig));
  rig.statuses.clear();
  ToolProcess peer(
      QStringLiteral("simplex-peer"),
      rig.peerArgs({"raw", "-1", "watch", "300", "raw", "65533", "watch", "300", "raw", "2147483647", "watch",
                    "300", "send", "PIROLO_HELLO", "expect", "PIROLO_READY", "3000"}));
  ASSERT_TRUE(peer.finish(kPeerMs));
  EXPECT_EQ(peer.exitCode(), 0) << peer.output().toStdString();
  const QString log = rig.log.join('\n');
  for (const char* length : {"-1", "65533", "2147483647"})
    EXPECT_TRUE(log.contains(QStringLiteral("Länge %1").arg(QLatin1String(length)))) << log.toStdString();
  EXPECT_EQ(rig.statuses.value(0), QStringLiteral("PARLHORA_HELLO"));
}

TEST(SimplexLink, ShutdownSaysGoodbyeAndStaysClosed) {
  LinkRig rig;
  ASSERT_TRUE(connectRig(rig));
  ToolProcess peer(QStringLiteral("simplex-peer"),
                   rig.peerArgs({"expect", "PIROLO d", "5000", "watch", "1500"}));
  runEventsUntil([] { return false; }, 200);
  rig.service.stopLink();
  EXPECT_TRUE(rig.service.reconnectLink());
  EXPECT_FALSE(rig.service.link()->connected());
  ASSERT_TRUE(peer.finish(kPeerMs));
  EXPECT_EQ(peer.exitCode(), 0) << peer.output().toStdString();
  EXPECT_FALSE(
      peer.output().section(QStringLiteral("recv PIROLO d"), 1).contains(QStringLiteral("PIROLO c")));
}

TEST(SimplexLink, PulseWakesEveryWaiterAndIsNotKept) {
  LinkRig rig;
  ASSERT_TRUE(connectRig(rig));
  ToolProcess first(QStringLiteral("simplex-peer"), rig.peerArgs({"expect", "PIROLO_X", "5000"}));
  ToolProcess second(QStringLiteral("simplex-peer"), rig.peerArgs({"expect", "PIROLO_X", "5000"}));
  ASSERT_TRUE(first.waitFor(QStringLiteral("open"), kPeerMs) &&
              second.waitFor(QStringLiteral("open"), kPeerMs));
  ASSERT_TRUE(rig.service.link()->send(QStringLiteral("PIROLO_X")));
  ASSERT_TRUE(first.finish(kPeerMs) && second.finish(kPeerMs));
  EXPECT_EQ(first.exitCode(), 0);
  EXPECT_EQ(second.exitCode(), 0);
  // A waiter that comes after the pulse sleeps until the next one.
  EXPECT_FALSE(rig.shared.wait(rig.shared.generation(), 100));
}

TEST(SimplexLink, DisplayedText) {
  const struct {
    const char* received;
    const char* shown;
  } cases[] = {
      {"PIROLO_READY", "PARLHORA_READY"},
      {"PIROLO connecté", "PARLHORA connecté"},
      {"xxPIROLO", "PARLHORALO"},  // the first six characters, wherever the tag is
      {"73 de DL1ABC", "73 de DL1ABC"},
      {"", ""},
      // A partner's control bytes never reach a terminal or the journal raw.
      {"PIROLO\x1b[2J\a", "PARLHORA\\x1b[2J\\x07"},
      {"a\\b\r\n", "a\\\\b\\x0d\\x0a"},
      {"\xc2\x85\x7f", "\\x85\\x7f"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(SimplexLink::displayText(QString::fromUtf8(c.received)), QString::fromUtf8(c.shown))
        << c.received;
  EXPECT_EQ(SimplexLink::displayText(QStringLiteral("A") + QChar(0) + QStringLiteral("B")),
            QStringLiteral("A\\x00B"));
}

}  // namespace parlhora
