#include <gtest/gtest.h>

#include "CoreRig.h"

using namespace parlhora;

TEST(Startup, WithoutSettingsTheFirstTickLoadsDefaultsAndTheClockRuns) {
  CoreRig rig;
  int loads = 0;
  rig.core->onLoaded = [&] { ++loads; };
  rig.core->FormCreate();
  EXPECT_FALSE(rig.core->loaded());
  rig.clock.runFor(499);
  EXPECT_FALSE(rig.core->loaded());
  rig.clock.runFor(1);
  EXPECT_TRUE(rig.core->loaded());
  EXPECT_EQ(loads, 1);
  EXPECT_EQ(rig.core->settings().mainWindow.left, 4);
  EXPECT_EQ(rig.core->settings().mainWindow.top, 101);
  // Nothing was saved by the start, the greeting is in place.
  EXPECT_TRUE(rig.read("parlhora.ini").isEmpty());
  EXPECT_FALSE(rig.read("kuckoo.wav").isEmpty());
  EXPECT_TRUE(rig.read("parlhora_help.html").contains("Parlhora"));
  EXPECT_TRUE(rig.core->engine().isAllocated());
  // At 14:35:00 the default settings (period 0) start nothing.
  rig.clock.runFor(5000);
  EXPECT_FALSE(rig.core->sequencer().busy());
  EXPECT_TRUE(rig.core->scheduler().isRunning());
  EXPECT_EQ(rig.core->scheduler().editTime().left(1), " ");
}

TEST(Startup, SettingsAreAppliedWithTheirSideEffects) {
  const QByteArray file =
      "[PARLHORA "
      "V2.2.3]\r\nPERIOD=1\r\nSTART=Y\r\nCOM=ttyUSB0\r\nSTART_RANGE=7\r\nEND_RANGE=19\r\nVOLUME=3\r\n";
  CoreRig rig(&file);
  rig.core->FormCreate();
  rig.clock.runFor(500);
  ASSERT_TRUE(rig.core->loaded());
  EXPECT_EQ(rig.autostart.calls, QList<bool>{true});
  EXPECT_EQ(rig.serial.openPath(), "/dev/ttyUSB0");
  EXPECT_EQ(rig.core->scheduler().hourMenus().startCaption(), "Startstunde (07h)");
  EXPECT_EQ(rig.core->scheduler().edit1(), "5");
  // The stored volume reaches the device before the first read-back, so
  // the slider stays where the user left it.
  EXPECT_EQ(rig.core->settings().sound.volume, 3);
  // 14:35:00 is a period minute inside 7..19: the tick starts an announcement,
  // keyed on the port.
  rig.clock.runFor(2000);
  EXPECT_TRUE(rig.core->sequencer().busy());
  EXPECT_TRUE(rig.serial.dtr());
  rig.clock.runFor(60000);
  EXPECT_FALSE(rig.core->sequencer().busy());
  EXPECT_FALSE(rig.serial.dtr());
  EXPECT_EQ(rig.core->status().text(), "PARLHORA DONE");
}

TEST(Startup, StartMinimisedSkipsExactlyOneSave) {
  const QByteArray file = "[PARLHORA V2.2.3]\r\nREDUCE=Y\r\n";
  CoreRig rig(&file);
  rig.core->FormCreate();
  rig.clock.runFor(500);
  ASSERT_TRUE(rig.core->settings().mainWindow.startMinimised);
  rig.core->saveUnlessLatched();  // the box set by loading: no save
  EXPECT_EQ(rig.read("parlhora.ini"), file);
  rig.core->saveUnlessLatched();  // the user's next minimise saves
  EXPECT_TRUE(rig.read("parlhora.ini").contains("REDUCE=Y\r\n"));
  EXPECT_TRUE(rig.read("parlhora.ini").startsWith("[PARLHORA V2.2.3]\r\n"));
}

TEST(Startup, JunkSettingsAndAnUnopenablePortDoNotStopTheStart) {
  QByteArray junk("[PARLHORA V2.2.3]\rCOM=ttyGONE\n\0\xff\xfe=\x01PERIOD=zz\r\n", 40);
  junk += QByteArray(100000, 'x') + "\nDATE=N";
  CoreRig rig(&junk);
  rig.serial.openErrors["/dev/ttyGONE"] = "No such file or directory";
  rig.core->FormCreate();
  rig.clock.runFor(500);
  EXPECT_TRUE(rig.core->loaded());
  EXPECT_FALSE(rig.core->settings().announcement.date);
  EXPECT_EQ(rig.notifier.boxes, QStringList{"Fehler: COM-Port"});
  EXPECT_EQ(rig.core->serial().portName(), "No COM");
  rig.clock.runFor(3000);
  EXPECT_TRUE(rig.core->scheduler().isRunning());
}

TEST(Startup, ClosingSavesThenReleasesEverythingAndUnkeys) {
  const QByteArray file = "[PARLHORA V2.2.3]\r\nCOM=ttyS0\r\n";
  const QByteArray log = "Log PIROLO\r\nold line\r\n";
  CoreRig rig(&file, &log);
  rig.core->FormCreate();
  rig.clock.runFor(500);
  EXPECT_EQ(rig.core->log().lines().value(1), "old line");
  rig.core->sequencer().Button1Click();
  ASSERT_TRUE(rig.serial.dtr());
  rig.core->FormClose();
  EXPECT_FALSE(rig.serial.dtr());
  EXPECT_FALSE(rig.serial.rts());
  EXPECT_FALSE(rig.serial.isOpen());
  EXPECT_FALSE(rig.core->engine().isAllocated());
  EXPECT_TRUE(rig.read("parlhora.ini").contains("COM=1\r\n"));
}
