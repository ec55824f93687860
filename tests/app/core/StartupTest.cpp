#include <gtest/gtest.h>

#include "CoreRig.h"

using namespace parlhora;

TEST(Startup, WithoutSettingsTheFirstTickLoadsDefaultsAndTheClockRuns) {
  CoreRig rig;
  int loads = 0;
  QObject::connect(rig.core.get(), &ParlhoraCore::settingsLoaded, [&] { ++loads; });
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
  EXPECT_TRUE(rig.core->announcer().engine().isAllocated());
  // At 14:35:00 the default settings (period 0) start nothing.
  rig.clock.runFor(5000);
  EXPECT_FALSE(rig.core->announcer().sequencer().busy());
  EXPECT_TRUE(rig.core->announcer().scheduler().isRunning());
  EXPECT_EQ(rig.core->announcer().scheduler().editTime().left(1), " ");
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
  EXPECT_EQ(rig.core->announcer().scheduler().hourMenus().startCaption(), "Startstunde (07h)");
  EXPECT_EQ(rig.core->announcer().scheduler().edit1(), "5");
  // The stored volume reaches the device before the first read-back, so
  // the slider stays where the user left it.
  EXPECT_EQ(rig.core->settings().sound.volume, 3);
  // 14:35:00 is a period minute inside 7..19: the tick starts an announcement,
  // keyed on the port.
  rig.clock.runFor(2000);
  EXPECT_TRUE(rig.core->announcer().sequencer().busy());
  EXPECT_TRUE(rig.serial.dtr());
  rig.clock.runFor(60000);
  EXPECT_FALSE(rig.core->announcer().sequencer().busy());
  EXPECT_FALSE(rig.serial.dtr());
  EXPECT_EQ(rig.core->status().text(), "PARLHORA DONE");
}

TEST(Startup, StartMinimisedCausesNoSaveButTheUsersMinimiseDoes) {
  const QByteArray file = "[PARLHORA V2.2.3]\r\nREDUCE=Y\r\n";
  CoreRig rig(&file);
  rig.core->FormCreate();
  rig.core->saveOnMinimise();  // before the first tick: the models hold defaults
  EXPECT_EQ(rig.read("parlhora.ini"), file);
  rig.clock.runFor(5000);
  ASSERT_TRUE(rig.core->settings().mainWindow.startMinimised);
  EXPECT_EQ(rig.read("parlhora.ini"), file);
  rig.core->saveOnMinimise();
  EXPECT_TRUE(rig.read("parlhora.ini").contains("REDUCE=Y\r\n"));
  EXPECT_TRUE(rig.read("parlhora.ini").contains("ILEST=Y\r\n"));
}

namespace {
// A settings file that exists but cannot be read (permissions, I/O error).
class UnreadableStore final : public SettingsStore {
 public:
  ReadResult read() override { return {ReadStatus::Failed, {}, "Permission denied"}; }
  bool write(const QByteArray& bytes, QString*) override {
    written << bytes;
    return true;
  }
  QList<QByteArray> written;
};

PlatformSet platformOf(CoreRig& rig, SettingsStore& store) {
  PlatformSet set = rig.platform.set();
  return {set.clock, set.waveOut, set.serialLines, set.notifier, set.autostart, store, set.stationPort, set.programFolder, {}};
}

ParlhoraCore::Options existingFile() {
  ParlhoraCore::Options options;
  options.settingsExisted = true;
  return options;
}
}  // namespace

TEST(Startup, AnUnreadableSettingsFileIsReportedAndNotOverwrittenByDefaults) {
  CoreRig rig;
  UnreadableStore store;
  ParlhoraCore core(platformOf(rig, store), existingFile());
  core.FormCreate();
  rig.clock.runFor(500);
  EXPECT_TRUE(core.loaded());
  EXPECT_EQ(core.status().text(), "Fehler: parlhora.ini");
  EXPECT_EQ(rig.notifier.beeps, 1);
  EXPECT_TRUE(core.log().lines().last().endsWith("Fehler: parlhora.ini: Permission denied"));
  core.saveOnMinimise();
  core.FormClose();
  EXPECT_TRUE(store.written.isEmpty());
}

TEST(Startup, AnExplicitSaveLiftsTheHold) {
  CoreRig rig;
  UnreadableStore store;
  ParlhoraCore core(platformOf(rig, store), existingFile());
  core.LoadSettings();
  EXPECT_TRUE(core.SaveSettings());
  core.FormClose();
  EXPECT_EQ(store.written.size(), 2);
}

TEST(Startup, LinesLoggedWhileLoadingKeepTheOldLog) {
  const QByteArray file = "[PARLHORA V2.2.3]\r\nCOM=ttyGONE\r\n";
  const QByteArray log = "Log PIROLO\r\nyesterday\r\n";
  CoreRig rig(&file, &log);
  rig.serial.openErrors["/dev/ttyGONE"] = "No such file or directory";
  rig.core->FormCreate();
  rig.clock.runFor(500);
  const QStringList lines = rig.core->log().lines();
  ASSERT_GE(lines.size(), 3);
  EXPECT_EQ(lines[1], "yesterday");
  EXPECT_TRUE(rig.read("parlhora.log").contains("yesterday"));
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
  // No box nobody may be there to click: status and log say it, the port stays chosen.
  EXPECT_TRUE(rig.notifier.boxes.isEmpty());
  EXPECT_EQ(rig.core->status().text(), "Fehler: COM-Port ttyGONE: No such file or directory");
  EXPECT_EQ(rig.core->announcer().serial().portName(), "ttyGONE");
  rig.clock.runFor(3000);
  EXPECT_TRUE(rig.core->announcer().scheduler().isRunning());
}

TEST(Startup, ClosingSavesThenReleasesEverythingAndUnkeys) {
  const QByteArray file = "[PARLHORA V2.2.3]\r\nCOM=ttyS0\r\n";
  const QByteArray log = "Log PIROLO\r\nold line\r\n";
  CoreRig rig(&file, &log);
  rig.core->FormCreate();
  rig.clock.runFor(500);
  EXPECT_EQ(rig.core->log().lines().value(1), "old line");
  rig.core->announcer().sequencer().Button1Click();
  ASSERT_TRUE(rig.serial.dtr());
  rig.core->FormClose();
  EXPECT_FALSE(rig.serial.dtr());
  EXPECT_FALSE(rig.serial.rts());
  EXPECT_FALSE(rig.serial.isOpen());
  EXPECT_FALSE(rig.core->announcer().engine().isAllocated());
  EXPECT_TRUE(rig.read("parlhora.ini").contains("COM=1\r\n"));
}

TEST(Startup, ANewSoundCardStartsAtTheSlidersVolumeAndTestButtonsWaitForTheAnnouncement) {
  const QByteArray file = "[PARLHORA V2.2.3]\r\nVOLUME=6\r\nBALANCE=0\r\n";
  CoreRig rig(&file);
  rig.waveOut.setDevices({"Null", "USB Audio"});
  rig.core->FormCreate();
  rig.clock.runFor(500);
  rig.core->announcer().setSoundDevice(1);
  rig.clock.runFor(2000);  // read-backs from the new device
  EXPECT_EQ(rig.core->settings().sound.device, 1);
  EXPECT_EQ(rig.core->settings().sound.volume, 6);
  EXPECT_EQ(rig.core->announcer().engine().device(), 1);

  rig.core->announcer().sequencer().Button1Click();
  ASSERT_TRUE(rig.core->announcer().sequencer().busy());
  rig.waveOut.clearCalls();
  rig.core->announcer().ButtonPlayWaveResClick();
  rig.core->announcer().ButtonPlayWaveClick();
  EXPECT_TRUE(rig.waveOut.calls().isEmpty());
}

TEST(Startup, ClosingDuringTheStartPauseEndsTheAnnouncementThere) {
  const QByteArray file = "[PARLHORA V2.2.3]\r\nCOM=ttyS0\r\nPAUSE=15\r\n";
  CoreRig rig(&file);
  rig.core->FormCreate();
  rig.clock.runFor(500);
  rig.clock.callAfter(2000, [&] { rig.core->FormClose(); });
  rig.waveOut.clearCalls();
  rig.core->announcer().sequencer().Button1Click();  // keys, then rests in the 15 s pause
  EXPECT_FALSE(rig.serial.dtr());
  EXPECT_FALSE(rig.core->announcer().sequencer().busy());
  rig.clock.runFor(60000);
  EXPECT_TRUE(rig.waveOut.calls().filter("open").isEmpty()) << rig.waveOut.calls().join(", ").toStdString();
}

TEST(Startup, StoppedBeforeTheFirstTickLeavesTheSettingsFileAlone) {
  const QByteArray file = "[PARLHORA V2.2.3]\r\nPERIOD=3\r\nHELLO=Y\r\n";
  CoreRig rig(&file);
  rig.core->FormCreate();
  rig.clock.runFor(200);  // SIGTERM right after an autostart
  rig.core->FormClose();
  EXPECT_EQ(rig.read("parlhora.ini"), file);
  rig.clock.runFor(5000);
  EXPECT_FALSE(rig.core->announcer().sequencer().busy());
}

TEST(Startup, AnAnnouncementStopsATestSoundInsteadOfLosingItsFirstPiece) {
  CoreRig rig;
  rig.core->FormCreate();
  rig.clock.runFor(500);
  QStringList started;
  rig.core->announcer().setPieceObserver([&](WaveOrigin, const QString& name) { started << name; });
  rig.core->announcer().ButtonPlayWaveResClick();
  ASSERT_TRUE(rig.core->announcer().engine().isPlaying());
  rig.core->announcer().sequencer().Button1Click();
  rig.clock.runFor(30000);
  EXPECT_FALSE(rig.core->announcer().sequencer().busy());
  EXPECT_EQ(started.value(0), "son0");
  EXPECT_EQ(started.value(1), "son_thu");  // 2026-03-05, the date is spoken first
}
