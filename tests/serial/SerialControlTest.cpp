#include <gtest/gtest.h>

#include "fakes/FakeNotifier.h"
#include "fakes/FakeSerialLines.h"
#include "serial/LineLatches.h"
#include "serial/SerialControl.h"

using namespace parlhora;

namespace {

class SerialControlTest : public ::testing::Test {
 protected:
  SerialControlTest() {
    lines.ports = {"ttyS0", "ttyS1", "ttyUSB0"};
    serial.logLine = [this](const QString& text) { log << text; };
    serial.startAnnouncement = [this] {
      ++starts;
      serial.setLatches();  // what the sequencer does at every start
    };
    serial.busy = [this] { return busy; };
    serial.ListSerialPorts();
  }

  // Loads COM= as the settings file does at start-up, then shows the window.
  void load(const QByteArray& value) {
    options.port = value;
    serial.applyPortSetting();
    serial.FormShow();
  }
  void openCom1() {
    load("1");
    lines.calls.clear();
  }
  int row(const QString& entry) const { return serial.comList().indexOf(entry); }
  bool touchedLines() const {
    for (const QString& call : lines.calls)
      if (call.startsWith("set") || call.startsWith("clear")) return true;
    return false;
  }

  FakeSerialLines lines;
  FakeNotifier notifier;
  LineOptions options;
  SerialControl serial{lines, notifier, options};
  QStringList log;
  int starts = 0;
  bool busy = false;
};

}  // namespace

TEST_F(SerialControlTest, LoadingANumberOpensTheMatchingTtyS) {
  load("2");
  EXPECT_EQ(lines.calls, QStringList{"open /dev/ttyS1"});
  EXPECT_TRUE(serial.portOpen());
  EXPECT_EQ(serial.portName(), "COM2");
  EXPECT_EQ(serial.indicators().labelCOM, "COM2");
  EXPECT_EQ(serial.comList(), (QStringList{"No COM", "COM1", "COM2", "ttyUSB0"}));
  EXPECT_EQ(serial.comSelection(), row("COM2"));
  EXPECT_EQ(options.port, "2");
  EXPECT_TRUE(notifier.boxes.isEmpty());
}

TEST_F(SerialControlTest, LoadingZeroOrNothing) {
  load("0");
  EXPECT_TRUE(lines.calls.isEmpty());
  EXPECT_EQ(serial.portName(), "No COM");
  EXPECT_EQ(serial.indicators().labelCOM, "COM");
  EXPECT_EQ(serial.comSelection(), 0);
  EXPECT_EQ(options.port, "0");

  FakeSerialLines otherLines;
  LineOptions otherOptions;
  SerialControl fresh(otherLines, notifier, otherOptions);
  fresh.ListSerialPorts();
  fresh.applyPortSetting();
  fresh.FormShow();
  EXPECT_EQ(fresh.portName(), "");
  EXPECT_EQ(fresh.comSelection(), -1);
  EXPECT_EQ(otherOptions.port, "");  // nothing selected, nothing saved
}

// One bad boot must not lose the port: it stays chosen, is shown as not
// open, and comes back on its own once it can be opened.
TEST_F(SerialControlTest, UnopenablePortFromSettingsStaysChosenAndIsRetried) {
  QStringList status;
  serial.statusLine = [&status](const QString& text) { status << text; };
  lines.openErrors["/dev/ttyUSB7"] = "fehlt (open: No such file or directory)";
  load("ttyUSB7");
  EXPECT_TRUE(notifier.boxes.isEmpty());  // nobody may be there to click it away
  EXPECT_EQ(log, QStringList{"COM-Port ttyUSB7: fehlt (open: No such file or directory)"});
  EXPECT_EQ(status, QStringList{"Fehler: COM-Port ttyUSB7: fehlt (open: No such file or directory)"});
  EXPECT_FALSE(serial.portInUse());  // announcements go out unkeyed
  EXPECT_EQ(serial.indicators().labelCOM, "ttyUSB7 (nicht offen)");
  EXPECT_EQ(serial.comList().at(serial.comSelection()), "ttyUSB7");
  EXPECT_EQ(options.port, "ttyUSB7");

  serial.retryOpen();
  serial.retryOpen();
  EXPECT_EQ(log.size(), 1);  // the same cause is logged once
  busy = true;
  lines.openErrors.clear();
  lines.calls.clear();
  serial.retryOpen();  // never in the middle of an announcement
  EXPECT_TRUE(lines.calls.isEmpty());
  busy = false;
  serial.retryOpen();
  EXPECT_TRUE(serial.portOpen());
  EXPECT_EQ(log.last(), "COM-Port ttyUSB7 wieder offen");
  EXPECT_EQ(serial.indicators().labelCOM, "ttyUSB7");
}

TEST_F(SerialControlTest, NameOutsideDevIsNeverOpened) {
  load("../../etc/passwd");
  serial.retryOpen();
  EXPECT_TRUE(lines.calls.isEmpty());
  EXPECT_FALSE(serial.portOpen());
  EXPECT_EQ(options.port, "../../etc/passwd");
}

TEST_F(SerialControlTest, OpenPortMissingFromTheListKeepsItsSetting) {
  load("5");
  EXPECT_TRUE(serial.portOpen());
  EXPECT_EQ(serial.comSelection(), -1);
  EXPECT_EQ(options.port, "5");
}

TEST_F(SerialControlTest, PickingPortsClosesTheOldOneFirst) {
  openCom1();
  serial.ListBoxCOMClick(row("ttyUSB0"));
  EXPECT_EQ(lines.calls, (QStringList{"clear DTR RTS", "close", "open /dev/ttyUSB0"}));
  EXPECT_EQ(serial.indicators().labelCOM, "ttyUSB0");
  EXPECT_EQ(options.port, "ttyUSB0");

  lines.calls.clear();
  serial.ListBoxCOMClick(0);
  EXPECT_EQ(lines.calls, (QStringList{"clear DTR RTS", "close"}));
  EXPECT_EQ(serial.portName(), "No COM");
  EXPECT_EQ(serial.indicators().labelCOM, "COM");
  EXPECT_EQ(options.port, "0");

  lines.calls.clear();
  serial.ListBoxCOMClick(-1);
  serial.ListBoxCOMClick(serial.comList().size());
  EXPECT_TRUE(lines.calls.isEmpty());
  EXPECT_EQ(serial.comSelection(), 0);
}

TEST_F(SerialControlTest, PickedPortHeldByAnotherProgramIsTheUsersChoice) {
  openCom1();
  lines.openErrors["/dev/ttyS1"] = "belegt (flock: Resource temporarily unavailable)";
  serial.ListBoxCOMClick(row("COM2"));
  EXPECT_EQ(notifier.boxes, QStringList{"Fehler: COM-Port"});
  EXPECT_FALSE(serial.portOpen());
  EXPECT_EQ(serial.portName(), "COM2");
  EXPECT_EQ(serial.indicators().labelCOM, "COM2 (nicht offen)");
  EXPECT_EQ(serial.comSelection(), row("COM2"));
  EXPECT_EQ(options.port, "2");
  EXPECT_EQ(serial.faultText(), "Fehler: COM-Port COM2: belegt (flock: Resource temporarily unavailable)");
}

TEST_F(SerialControlTest, NoComTouchesNoLineAndNeedsNoPreRoll) {
  load("0");
  EXPECT_FALSE(serial.portInUse());
  serial.keyUp();
  serial.unkey();
  serial.poll();
  EXPECT_TRUE(lines.calls.isEmpty());
  EXPECT_FALSE(serial.indicators().transmitting);
}

TEST_F(SerialControlTest, PortHeldByAnotherProgramIsTriedLessAndLessOften) {
  lines.openErrors["/dev/ttyUSB7"] = "belegt (LCK..ttyUSB7 von PID 4242)";
  load("ttyUSB7");
  // One call every kRetryMs: which of the next 16 calls try an open.
  QString tried;
  for (int call = 0; call < 16; ++call) {
    lines.calls.clear();
    serial.retryOpen();
    tried += lines.calls.isEmpty() ? '.' : 'o';
  }
  // 20 s, 40 s, then every 60 s.
  EXPECT_EQ(tried, ".o...o.....o....");
  // A free port is taken at the next attempt and the back-off forgotten.
  lines.openErrors.clear();
  for (int call = 0; call < 6 && !serial.portOpen(); ++call) serial.retryOpen();
  EXPECT_TRUE(serial.portOpen());
  lines.openErrors["/dev/ttyUSB7"] = "fehlt (open: No such file or directory)";
  serial.ClosePortLines();
  serial.retryOpen();
  lines.calls.clear();
  serial.retryOpen();
  EXPECT_EQ(lines.calls, QStringList{"open /dev/ttyUSB7"});  // a missing port is looked for every time
}

TEST_F(SerialControlTest, KeyingThatFailsIsReportedAndNotCountedAsKeyed) {
  QStringList status;
  serial.statusLine = [&status](const QString& text) { status << text; };
  openCom1();
  lines.refuseLines = "TIOCMBIS: Inappropriate ioctl for device";
  serial.keyUp();
  EXPECT_TRUE(serial.keyFailed());
  EXPECT_FALSE(serial.indicators().transmitting);
  EXPECT_EQ(status.value(0), "PTT konnte nicht getastet werden: TIOCMBIS: Inappropriate ioctl for device");
  EXPECT_EQ(log.last(), "COM-Port COM1: PTT konnte nicht getastet werden: TIOCMBIS: Inappropriate ioctl for device");
  lines.refuseLines.clear();
  serial.keyUp();
  EXPECT_FALSE(serial.keyFailed());
  EXPECT_TRUE(serial.indicators().transmitting);
}

TEST_F(SerialControlTest, KeyingRaisesTheCheckedLinesInOneCall) {
  openCom1();
  ASSERT_TRUE(serial.portInUse());
  serial.keyUp();
  EXPECT_EQ(lines.calls, QStringList{"set DTR RTS"});
  EXPECT_TRUE(lines.dtr() && lines.rts());
  EXPECT_TRUE(serial.indicators().transmitting);
  serial.unkey();
  EXPECT_FALSE(lines.dtr() || lines.rts());
  EXPECT_FALSE(serial.indicators().transmitting);

  options.rts = false;
  lines.calls.clear();
  serial.keyUp();
  serial.unkey();
  EXPECT_EQ(lines.calls, (QStringList{"set DTR", "clear DTR RTS"}));
}

TEST_F(SerialControlTest, BothBoxesOffStillCountsAsInUseButRaisesNothing) {
  openCom1();
  options.dtr = options.rts = false;
  EXPECT_TRUE(serial.portInUse());  // the sequencer still pre-rolls
  serial.keyUp();
  EXPECT_FALSE(touchedLines());
  EXPECT_FALSE(serial.indicators().transmitting);
  serial.unkey();
  EXPECT_EQ(lines.calls, QStringList{"clear DTR RTS"});
}

TEST_F(SerialControlTest, ClosingWhileKeyedDropsLinesAndLamp) {
  openCom1();
  serial.keyUp();
  serial.menuComNoneclick();
  EXPECT_FALSE(lines.isOpen());
  EXPECT_FALSE(serial.indicators().transmitting);
}

TEST_F(SerialControlTest, ProgramExitDropsTheLines) {
  FakeSerialLines exitLines;
  LineOptions exitOptions;
  exitOptions.port = "1";
  {
    SerialControl atExit(exitLines, notifier, exitOptions);
    atExit.applyPortSetting();
    atExit.keyUp();
    exitLines.calls.clear();
  }
  EXPECT_EQ(exitLines.calls, (QStringList{"clear DTR RTS", "close"}));
}

TEST_F(SerialControlTest, CarrierShownAndBlocksOnlyWithItsBox) {
  openCom1();
  options.dcd = false;
  lines.dcd = true;
  serial.poll();
  EXPECT_TRUE(serial.carrier());
  EXPECT_FALSE(serial.blocksStart());
  EXPECT_TRUE(serial.indicators().carrierShown);
  EXPECT_EQ(serial.indicators().labelDCD, "DCD=On");
  options.dcd = true;
  EXPECT_TRUE(serial.blocksStart());

  lines.dcd = false;
  serial.poll();
  EXPECT_FALSE(serial.blocksStart());
  EXPECT_EQ(serial.indicators().labelDCD, "DCD=Off");

  lines.dcd = true;
  serial.poll();
  serial.menuComNoneclick();  // No COM never blocks
  EXPECT_FALSE(serial.carrier());
  EXPECT_FALSE(serial.indicators().carrierShown);
  EXPECT_EQ(serial.indicators().labelDCD, "DCD=Off");
}

TEST_F(SerialControlTest, LineOnAtStartUpOrStayingOnStartsOnce) {
  lines.cts = true;
  openCom1();
  serial.poll();
  EXPECT_EQ(starts, 0);  // already on when the port opened
  EXPECT_EQ(serial.indicators().labelCTS, "CTS=On");

  lines.cts = false;
  serial.poll();
  EXPECT_EQ(serial.indicators().labelCTS, "CTS=Off");
  lines.cts = true;
  for (int i = 0; i < 5; ++i) serial.poll();
  EXPECT_EQ(starts, 1);
}

TEST_F(SerialControlTest, PulseDuringABusyAnnouncementStartsNothing) {
  openCom1();
  serial.poll();  // both seen off: a rise would count now
  lines.calls.clear();
  busy = true;
  lines.dsr = true;
  serial.poll();
  lines.dsr = false;
  serial.poll();
  EXPECT_TRUE(lines.calls.isEmpty());
  busy = false;
  serial.poll();
  EXPECT_EQ(starts, 0);
}

TEST_F(SerialControlTest, CtsBeforeDsrAndUncheckedBoxesStartNothing) {
  openCom1();
  serial.poll();  // both seen off
  lines.cts = lines.dsr = true;
  serial.poll();
  serial.poll();
  EXPECT_EQ(starts, 1);  // the start set both latches

  options.cts = options.dsr = false;
  lines.cts = lines.dsr = false;
  serial.poll();
  lines.cts = lines.dsr = true;
  serial.poll();
  serial.poll();
  EXPECT_EQ(starts, 1);
}

TEST_F(SerialControlTest, PulledAdapterReadsOffAndCanBeChosenAgain) {
  openCom1();
  lines.dcd = lines.cts = true;
  serial.poll();
  lines.removed = true;
  serial.poll();
  EXPECT_FALSE(serial.carrier());
  EXPECT_EQ(serial.indicators().labelCTS, "CTS=Off");
  serial.keyUp();  // the next announcement still runs
  serial.unkey();
  EXPECT_TRUE(notifier.boxes.isEmpty());
  EXPECT_TRUE(serial.portInUse());

  lines.removed = false;
  serial.ListBoxCOMClick(row("COM1"));
  EXPECT_TRUE(lines.isOpen());
  EXPECT_EQ(serial.indicators().labelCOM, "COM1");

  // A backend that let go of the gone device: logged, shown, retried.
  lines.close();
  serial.poll();
  EXPECT_TRUE(serial.portMissing());
  EXPECT_EQ(log.last(), "COM-Port COM1: Verbindung verloren");
  EXPECT_EQ(serial.indicators().labelCOM, "COM1 (nicht offen)");
  serial.retryOpen();
  EXPECT_TRUE(serial.portOpen());
  EXPECT_EQ(options.port, "1");
}

TEST_F(SerialControlTest, ViewsHearOfChangesOnly) {
  openCom1();
  int changes = 0;
  serial.changed = [&] { ++changes; };
  serial.poll();
  EXPECT_EQ(changes, 0);
  lines.dcd = true;
  serial.poll();
  serial.poll();
  EXPECT_EQ(changes, 1);
}

TEST(LineLatches, HeldBackDsrEdgeRisesAtTheNextReading) {
  LineLatches latches;
  EXPECT_EQ(latches.update(true, true), LineLatches::Rising::None);
  EXPECT_EQ(latches.update(false, false), LineLatches::Rising::None);
  EXPECT_EQ(latches.update(true, true), LineLatches::Rising::Cts);
  EXPECT_EQ(latches.update(true, true), LineLatches::Rising::Dsr);
  EXPECT_EQ(latches.update(true, true), LineLatches::Rising::None);
}
