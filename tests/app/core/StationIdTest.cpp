#include <gtest/gtest.h>

#include "CoreRig.h"
#include "app/ParlhoraCore.h"

namespace parlhora {
namespace {

// The whole core for an hour of announcements every 5 minutes: the
// identification ends an announcement only every CWID_MIN minutes.
TEST(StationId, CwidMinOverAnHourOfTimedAnnouncements) {
  const QByteArray settings =
      "[PARLHORA V2.2.3]\r\nPERIOD=1\r\nCWID=Y\r\nCWID_CALL=dl1abc\r\nCWID_MIN=15\r\n";
  CoreRig rig(&settings);
  QStringList ids;
  int announcements = 0;
  rig.core->announcer().setPieceObserver([&](WaveOrigin origin, const QString& what) {
    if (origin == WaveOrigin::Morse) ids << rig.clock.now().toString("hh:mm ") + what;
    if (what == "son_thu") ++announcements;
  });
  rig.core->FormCreate();
  rig.clock.runFor(60 * 60 * 1000);
  EXPECT_EQ(announcements, 12);
  EXPECT_EQ(ids, (QStringList{"14:35 DL1ABC", "14:50 DL1ABC", "15:05 DL1ABC", "15:20 DL1ABC"}));
  rig.core->FormClose();
}

TEST(StationId, EscDuringTheIdentificationEndsTheAnnouncementAfterIt) {
  const QByteArray settings =
      "[PARLHORA V2.2.3]\r\nCOM=ttyS0\r\nCWID=Y\r\nCWID_CALL=DL1ABC\r\nCWID_WPM=10\r\n";
  CoreRig rig(&settings);
  bool inId = false;
  rig.core->announcer().setPieceObserver(
      [&](WaveOrigin origin, const QString&) { inId = origin == WaveOrigin::Morse; });
  rig.core->FormCreate();
  rig.clock.runFor(1000);
  Sequencer& sequencer = rig.core->announcer().sequencer();
  sequencer.Button1Click();
  for (int i = 0; i < 600 && !inId; ++i) rig.clock.runFor(50);
  ASSERT_TRUE(inId);
  ASSERT_TRUE(sequencer.busy());
  sequencer.FormKeyDown(Sequencer::kEscKey);
  rig.clock.runFor(30000);
  EXPECT_FALSE(sequencer.busy());
  EXPECT_FALSE(rig.serial.dtr());
  rig.core->FormClose();
}

}  // namespace
}  // namespace parlhora
