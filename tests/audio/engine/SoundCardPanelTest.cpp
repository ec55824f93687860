#include <gtest/gtest.h>

#include "audio/SoundCardPanel.h"
#include "fakes/FakeWaveOut.h"
#include "platform/Notifier.h"
#include "platform/VirtualClock.h"

namespace parlhora {
namespace {

class BeepCounter final : public Notifier {
 public:
  void beep() override { ++beeps; }
  void errorBox(const QString&) override {}
  int beeps = 0;
};

class SoundCardPanelTest : public ::testing::Test {
 protected:
  void SetUp() override { out.setDevices({"Karte A", "Karte B", "USB Audio"}); }

  VirtualClock clock{QDateTime(QDate(2026, 3, 5), QTime(14, 0))};
  FakeWaveOut out{clock};
  BeepCounter notifier;
  SoundCardPanel panel{out, notifier};
};

TEST_F(SoundCardPanelTest, OpeningListsDevicesAndShowsTheStoredOne) {
  panel.syncChoice(1);
  panel.open(1, false);
  EXPECT_TRUE(panel.isVisible());
  EXPECT_TRUE(panel.okEnabled());
  EXPECT_EQ(panel.items(), (QStringList{"Karte A", "Karte B", "USB Audio"}));
  EXPECT_EQ(panel.selectedIndex(), 1);
  EXPECT_EQ(panel.listText(), "Karte B");
}

TEST_F(SoundCardPanelTest, SystemChoiceOrInvalidDeviceLeavesTheListTextEmpty) {
  panel.syncChoice(-1);
  panel.open(-1, false);
  EXPECT_EQ(panel.listText(), "");
  panel.setChoice(SoundCardPanel::Choice::User);
  panel.open(9, false);
  EXPECT_EQ(panel.selectedIndex(), -1);
  EXPECT_EQ(panel.listText(), "");
}

TEST_F(SoundCardPanelTest, FailedQueryAddsAnEmptyNameAndShowsTheError) {
  out.failOnce("deviceName", WaveOut::Error, 1);
  panel.open(-1, false);
  EXPECT_EQ(panel.items(), (QStringList{"Karte A", "", "USB Audio"}));
  EXPECT_EQ(panel.listText(), "Fehler: Lesen-Ausgabe");
  // The entry without a name cannot be chosen.
  panel.setChoice(SoundCardPanel::Choice::User);
  panel.select(1);
  EXPECT_FALSE(panel.ok());
  EXPECT_EQ(notifier.beeps, 1);
}

TEST_F(SoundCardPanelTest, OkRules) {
  panel.open(-1, false);
  panel.setChoice(SoundCardPanel::Choice::User);
  EXPECT_FALSE(panel.ok());  // nothing chosen: beep, stays open
  EXPECT_EQ(notifier.beeps, 1);
  EXPECT_TRUE(panel.isVisible());
  panel.select(2);
  ASSERT_TRUE(panel.ok());
  EXPECT_EQ(panel.device(), 2);
  EXPECT_FALSE(panel.isVisible());

  panel.open(2, false);
  panel.setChoice(SoundCardPanel::Choice::System);
  ASSERT_TRUE(panel.ok());
  EXPECT_EQ(panel.device(), -1);
}

TEST_F(SoundCardPanelTest, OkIsDisabledDuringAnAnnouncement) {
  panel.open(-1, true);
  EXPECT_FALSE(panel.okEnabled());
  EXPECT_FALSE(panel.ok());
  EXPECT_TRUE(panel.isVisible());
  panel.setOkEnabled(true);  // the announcement ended
  EXPECT_TRUE(panel.ok());
}

}  // namespace
}  // namespace parlhora
