#include <gtest/gtest.h>

#include "app/SerialKeying.h"
#include "audio/PartnerLink.h"
#include "audio/RecorderControl.h"
#include "audio/AnnouncementOptions.h"
#include "audio/Sequencer.h"
#include "audio/WaveEngine.h"
#include "audio/WeatherSpeech.h"
#include "fakes/FakeNotifier.h"
#include "fakes/FakeSerialLines.h"
#include "fakes/FakeWaveOut.h"
#include "platform/VirtualClock.h"
#include "serial/SerialControl.h"

using namespace parlhora;

namespace {

// A whole announcement on the real sequencer and engine, keyed through
// SerialControl on fake lines. `trace` interleaves line calls with pieces:
// "set DTR RTS", "piece son12", "done", "clear DTR RTS".
class AnnouncementKeyingTest : public ::testing::Test {
 protected:
  AnnouncementKeyingTest() {
    options.date = false;  // "it is", hour, "hour": three pieces at 12:00
    lines.ports = {"ttyS0"};
    lines.onCall = [this](const QString& call) {
      if (call.startsWith("set") || call.startsWith("clear")) record(call);
    };
    WaveEngine::Events events =
        seq.engineEvents([this](WaveOrigin, const QString& name) { record("piece " + name); });
    events.pieceFinished = [this, next = events.pieceFinished] {
      record("done");
      next();
    };
    engine.setEvents(events);
    seq.setTime(SpokenTime::from(QDateTime(QDate(2024, 3, 5), QTime(12, 0))));
    serial.startAnnouncement = [this] { seq.Button1Click(); };
    serial.busy = [this] { return seq.busy(); };
    serial.ListSerialPorts();
  }

  void record(const QString& event) {
    trace << event;
    atMs << clock.monotonicMs();
  }
  void usePort(const QByteArray& value) {
    lineOptions.port = value;
    serial.applyPortSetting();
    trace.clear();
    atMs.clear();
  }
  void announce() {
    seq.Button1Click();
    clock.runFor(10 * 60 * 1000);
  }
  bool linesLow() const { return !lines.dtr() && !lines.rts() && !serial.indicators().transmitting; }

  // First, so that the port's release at destruction can still be traced.
  QStringList trace;
  QList<std::int64_t> atMs;
  VirtualClock clock{QDateTime(QDate(2024, 3, 5), QTime(12, 0))};
  FakeWaveOut out{clock};
  FakeNotifier notifier;
  WaveEngine engine{out, clock, notifier};
  FakeSerialLines lines;
  LineOptions lineOptions;
  SerialControl serial{lines, notifier, lineOptions};
  SerialKeying keying{serial};
  PartnerLink link;
  RecorderControl recorder;
  WeatherSpeech weather;
  AnnouncementOptions options;
  Sequencer seq{engine, clock, keying, link, recorder, weather, options};
};

}  // namespace

TEST_F(AnnouncementKeyingTest, KeyedBeforeTheFirstPieceAndReleasedAfterTheLast) {
  usePort("1");
  announce();
  EXPECT_EQ(trace, (QStringList{"set DTR RTS", "piece son_it_s", "done", "piece son12", "done",
                                "piece Son_hour", "done", "clear DTR RTS"}));
  ASSERT_EQ(atMs.size(), trace.size());
  EXPECT_GE(atMs[1] - atMs[0], Sequencer::kPreRollMs);
  EXPECT_TRUE(linesLow());
  EXPECT_FALSE(seq.busy());
}

TEST_F(AnnouncementKeyingTest, NoComPlaysAtOnceWithoutTouchingALine) {
  usePort("0");
  announce();
  EXPECT_EQ(trace.first(), "piece son_it_s");
  EXPECT_EQ(atMs.first(), Sequencer::kItemPauseMs);  // the pause before "it is" only
  EXPECT_FALSE(trace.contains("set DTR RTS"));
  EXPECT_TRUE(lines.calls.isEmpty());
}

TEST_F(AnnouncementKeyingTest, BothBoxesOffStillWaitThePreRoll) {
  usePort("1");
  lineOptions.dtr = lineOptions.rts = false;
  announce();
  EXPECT_EQ(trace.first(), "piece son_it_s");
  EXPECT_EQ(atMs.first(), Sequencer::kPreRollMs + Sequencer::kItemPauseMs);
  EXPECT_EQ(trace.last(), "clear DTR RTS");
}

TEST_F(AnnouncementKeyingTest, FailedPieceReleasesTheTransmitter) {
  usePort("1");
  out.failOnce("open", WaveOut::Error, 1);  // the second piece cannot start
  announce();
  EXPECT_EQ(trace.mid(0, 3), (QStringList{"set DTR RTS", "piece son_it_s", "done"}));
  EXPECT_TRUE(trace.contains("clear DTR RTS"));
  EXPECT_FALSE(trace.contains("piece Son_hour"));
  EXPECT_TRUE(linesLow());
  EXPECT_FALSE(seq.busy());
}

TEST_F(AnnouncementKeyingTest, SafetyResetReleasesTheTransmitter) {
  usePort("1");
  out.setMode(FakeWaveOut::Mode::Manual);  // the device never returns its blocks
  seq.Button1Click();
  clock.runFor(Sequencer::kSafetyMs - 1000);
  EXPECT_TRUE(lines.dtr() && lines.rts());
  clock.runFor(2 * Sequencer::kSafetyMs + 10000);
  EXPECT_EQ(trace.last(), "clear DTR RTS");
  EXPECT_TRUE(linesLow());
  EXPECT_FALSE(seq.busy());
}

TEST_F(AnnouncementKeyingTest, CarrierWithItsBoxHoldsBackAndWithoutDoesNot) {
  usePort("1");
  lines.dcd = true;
  serial.poll();
  announce();
  EXPECT_TRUE(trace.isEmpty());

  lineOptions.dcd = false;
  announce();
  EXPECT_EQ(trace.first(), "set DTR RTS");
}

TEST_F(AnnouncementKeyingTest, CtsHeldOnThroughTicksStartsOneAnnouncement) {
  usePort("1");
  serial.poll();  // lines seen off
  lines.cts = true;
  for (int second = 0; second < 60; ++second) {
    serial.poll();
    clock.runFor(1000);
  }
  EXPECT_EQ(trace.count("set DTR RTS"), 1);
  EXPECT_TRUE(linesLow());
}
