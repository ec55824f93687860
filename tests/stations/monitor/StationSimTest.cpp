#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>

#include "MonitorRig.h"
#include "platform/backends/SystemClock.h"
#include "platform/backends/TermiosSerialLines.h"
#include "platform/backends/TermiosStationPort.h"

// The station simulator on a real pseudo-terminal, read by the source
// through the real termios port, the real clock and its worker thread.

namespace parlhora {
namespace {

const char* kReadings =
    "0 tin=68.0 tout=32.0 baro=29.530 wind=10 dir=270 trend=rising cal_tin=-1.5 cal_baro=0.030\n";

/// One run of tools/station-sim, reachable as DIR/ttyMON0 across restarts.
class Simulator {
 public:
  explicit Simulator(const QString& dir) : dir_(dir) {
    QFile readings(dir + "/readings.txt");
    if (readings.open(QIODevice::WriteOnly)) readings.write(kReadings);
  }
  ~Simulator() { stop(); }

  bool start(const QStringList& mode = {}) {
    stop();
    process_ = std::make_unique<QProcess>();
    process_->start(PARLHORA_BINARY_DIR "/station-sim",
                    QStringList{"--readings", dir_ + "/readings.txt", "--link", dir_ + "/ttyMON0"} + mode);
    if (!process_->waitForReadyRead(5000)) return false;
    device_ = QString::fromLocal8Bit(process_->readLine()).trimmed();
    return device_ == dir_ + "/ttyMON0";
  }
  /// As if the cable were pulled: no goodbye.
  void stop() {
    if (!process_) return;
    process_->kill();
    process_->waitForFinished(5000);
    process_.reset();
  }

 private:
  QString dir_;
  QString device_;
  std::unique_ptr<QProcess> process_;
};

class StationSimTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    rig = std::make_unique<MonitorRig>(clock, port, dir.path(), true);
    rig->settings.port = "ttyMON0";
  }
  /// Runs the core thread's events until the read under way is done.
  void settle() {
    const auto until = clock.monotonicMs() + 15000;
    while (rig->source->reading() && clock.monotonicMs() < until) clock.waitMs(20);
    EXPECT_FALSE(rig->source->reading());
  }
  /// Calls `fn` after `ms` and notes how late it ran.
  void during(int ms, std::function<void()> fn = {}) {
    const auto due = clock.monotonicMs() + ms;
    clock.callAfter(ms, [this, due, fn] {
      lateMs = clock.monotonicMs() - due;
      ran = true;
      if (fn) fn();
    });
  }

  QTemporaryDir dir;
  SystemClock clock;
  TermiosStationPort port;
  Simulator sim{dir.path()};
  std::unique_ptr<MonitorRig> rig;
  bool ran = false;
  std::int64_t lateMs = -1;
};

TEST_F(StationSimTest, ReadsTheSimulatorInBothUnitSystems) {
  ASSERT_TRUE(sim.start());
  rig->source->pick();
  settle();
  ASSERT_TRUE(rig->source->ready()) << rig->source->statusText().toStdString();
  const WeatherSnapshot metric = rig->source->snapshot();
  EXPECT_NEAR(metric.TempInt, 19.1667, 1e-3);
  EXPECT_NEAR(metric.TempExt, 0, 1e-9);
  EXPECT_NEAR(metric.PresAtm, 998.984, 1e-3);
  EXPECT_NEAR(metric.VitVent, 16.0934, 1e-3);
  EXPECT_EQ(metric.PreTend, 1);
  EXPECT_EQ(metric.DirVent, 270);

  rig->useImperialUnits();
  rig->source->refreshNow();
  settle();
  const WeatherSnapshot imperial = rig->source->snapshot();
  EXPECT_NEAR(imperial.TempInt, 66.5, 1e-9);
  EXPECT_NEAR(imperial.PresAtm, 29.5, 1e-9);
  EXPECT_NEAR(imperial.VitVent, 10, 1e-9);
  EXPECT_EQ(rig->caption("CheckBoxPatm"), "Luftdruck (inHg) = 29.50");
}

TEST_F(StationSimTest, ABrokenPacketIsAskedForAgainAndOnlyBrokenOnesAreAFault) {
  ASSERT_TRUE(sim.start({"--corrupt", "2"}));
  rig->source->pick();
  settle();
  EXPECT_TRUE(rig->source->ready()) << rig->source->statusText().toStdString();
  EXPECT_EQ(rig->source->snapshot().DirVent, 270);

  ASSERT_TRUE(sim.start({"--corrupt", "1"}));
  rig->source->refreshNow();
  settle();
  EXPECT_EQ(rig->source->statusText(), "Fehler: Weather Monitor");
  EXPECT_FALSE(rig->source->ready());
  EXPECT_TRUE(rig->log.last().endsWith("Prüfsumme falsch")) << rig->log.last().toStdString();
}

TEST_F(StationSimTest, ASilentStationIsAFaultAfterTwoSecondsAndEventsRunMeanwhile) {
  ASSERT_TRUE(sim.start({"--silent"}));
  during(300, [this] { EXPECT_TRUE(rig->source->reading()); });
  const auto start = clock.monotonicMs();
  rig->source->pick();
  // The window shows at once, with the countdown of the read under way.
  EXPECT_TRUE(rig->source->reading());
  EXPECT_EQ(rig->source->statusText(), "Weather Monitor lesen ... (6)");
  settle();
  const auto took = clock.monotonicMs() - start;
  EXPECT_GE(took, StationLink::kCallTimeoutMs);
  EXPECT_LT(took, StationLink::kCallTimeoutMs + 1000);
  EXPECT_EQ(rig->source->statusText(), "Fehler: Weather Monitor");
  EXPECT_EQ(rig->log.last(), "Fehler: Weather Monitor: keine Antwort");
  ASSERT_TRUE(ran);
  EXPECT_LT(lateMs, 200);
  EXPECT_TRUE(rig->source->timerActive());
}

TEST_F(StationSimTest, ASlowStationIsReadWhileAnAnnouncementStartsOnTime) {
  // A read that blocked would run the callback at least one answer late.
  ASSERT_TRUE(sim.start({"--slow", "300"}));
  const auto reads = [this] { return rig->statuses.count("Weather Monitor lesen ... (6)"); };
  // Both a start and a second refresh request while the station answers.
  during(500, [this] { rig->source->refreshNow(); });
  rig->source->pick();
  settle();
  ASSERT_TRUE(ran);
  EXPECT_LT(lateMs, 200);
  EXPECT_TRUE(rig->source->ready()) << rig->source->statusText().toStdString();
  // The second request runs once, after the first read.
  const auto done = [this] {
    return rig->source->statusText().startsWith("Weather Monitor-Lesen abgeschlossen");
  };
  const auto until = clock.monotonicMs() + 8000;
  while (!(reads() == 2 && done()) && clock.monotonicMs() < until) clock.waitMs(50);
  EXPECT_EQ(reads(), 2);
  EXPECT_TRUE(done());
}

TEST_F(StationSimTest, UnpluggingMidReadIsAFaultAndTheStationComesBack) {
  ASSERT_TRUE(sim.start({"--slow", "200"}));
  during(300, [this] { sim.stop(); });
  rig->source->pick();
  settle();
  ASSERT_TRUE(ran);
  EXPECT_EQ(rig->source->statusText(), "Fehler: Weather Monitor");
  EXPECT_FALSE(rig->source->ready());

  ASSERT_TRUE(sim.start());
  rig->source->refreshNow();
  settle();
  EXPECT_TRUE(rig->source->ready()) << rig->source->statusText().toStdString();
  EXPECT_EQ(rig->source->snapshot().DirVent, 270);
}

TEST_F(StationSimTest, ClosingDuringASilentReadDoesNotWaitForTheStation) {
  ASSERT_TRUE(sim.start({"--silent"}));
  rig->source->pick();
  clock.waitMs(300);
  ASSERT_TRUE(rig->source->reading());
  const auto start = clock.monotonicMs();
  rig->source->close();
  EXPECT_LT(clock.monotonicMs() - start, StationLink::kCallTimeoutMs);
  EXPECT_FALSE(rig->source->reading());
  // What the stopped read found is dropped, not shown.
  clock.waitMs(100);
  EXPECT_EQ(rig->source->statusText(), "Weather Monitor lesen ... (6)");
  EXPECT_TRUE(rig->log.isEmpty());
}

TEST_F(StationSimTest, TheStationPortIsHeldExclusively) {
  ASSERT_TRUE(sim.start());
  const QString device = dir.path() + "/ttyMON0";
  ASSERT_EQ(port.open(device, 2400), QString());
  TermiosStationPort second;
  EXPECT_EQ(second.open(device, 2400), "belegt");
  TermiosSerialLines transmitter;
  EXPECT_NE(transmitter.open(device), QString());
  EXPECT_EQ(TermiosStationPort().open(device, 2401), "2401 Baud nicht möglich");
  // Each refusal names one short cause for the log.
  EXPECT_EQ(TermiosStationPort().open(dir.path() + "/ttyGONE", 2400), "fehlt");
  QFile plain(dir.path() + "/plain");
  ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
  plain.close();
  EXPECT_TRUE(TermiosStationPort().open(plain.fileName(), 2400).startsWith("kein Gerät"));
}

}  // namespace
}  // namespace parlhora
