#include <gtest/gtest.h>

#include "audio/WaveEngine.h"
#include "platform/backends/AlsaWaveOut.h"
#include "platform/Notifier.h"
#include "platform/backends/SystemClock.h"

namespace parlhora {
namespace {

class SilentNotifier final : public Notifier {
 public:
  void beep() override {}
  void errorBox(const QString&) override {}
};

// Real ALSA on its "null" device, which every installation has.
class AlsaWaveOutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WaveEngine::Events events;
    events.status = [this](const QString& t) { statuses << t; };
    events.pieceFinished = [this] { ++finished; };
    events.failure = [this] {
      ++failures;
      engine.closeDevice();
      engine.clearFlags();
    };
    engine.setEvents(events);
  }

  // Waits (dispatching events) until the piece ended one way or the other.
  void waitForEnd(int timeoutMs = 5000) {
    const std::int64_t end = clock.monotonicMs() + timeoutMs;
    while (finished + failures == 0 && clock.monotonicMs() < end) clock.waitMs(5);
  }

  SystemClock clock;
  AlsaWaveOut out{QStringLiteral("null")};
  SilentNotifier notifier;
  WaveEngine engine{out, clock, notifier};
  QStringList statuses;
  int finished = 0;
  int failures = 0;
};

TEST_F(AlsaWaveOutTest, PlaysABuiltInPieceOnTheNullDevice) {
  std::vector<int> done;
  engine.PlayWaveRes("son_it_s");
  ASSERT_TRUE(statuses.isEmpty()) << statuses.join(", ").toStdString();
  EXPECT_TRUE(engine.isPlaying());
  waitForEnd();
  EXPECT_EQ(finished, 1);
  EXPECT_EQ(engine.buffersReturned(), 1);
  EXPECT_FALSE(engine.isPlaying());
  EXPECT_EQ(out.close(), WaveOut::InvalidHandle);  // the engine closed it
}

TEST_F(AlsaWaveOutTest, StreamsALongPieceAndOpensAgainAfterwards) {
  // 16000 Hz piece resampled by ALSA, then a second piece on the same backend.
  engine.PlayWaveRes("son_kuckoo");
  waitForEnd();
  ASSERT_EQ(finished, 1) << statuses.join(", ").toStdString();
  engine.PlayWaveRes("son42");
  finished = 0;
  waitForEnd();
  EXPECT_EQ(finished, 1);
}

TEST_F(AlsaWaveOutTest, NullIsListedAndOpensByItsNumber) {
  const int count = out.deviceCount();
  int nullIndex = -1;
  for (int i = 0; i < count; ++i)
    if (out.pcmName(i) == QLatin1String("null")) nullIndex = i;
  ASSERT_GE(nullIndex, 0);
  QString name;
  EXPECT_EQ(out.deviceName(nullIndex, name), WaveOut::Ok);
  EXPECT_FALSE(name.isEmpty());
  engine.setDevice(nullIndex);
  engine.PlayWaveRes("son7");
  waitForEnd();
  EXPECT_EQ(finished, 1);
}

TEST_F(AlsaWaveOutTest, ResetDropsQueuedBlocksWithoutDoneEvents) {
  WaveFormat format;
  int opened = 0;
  int done = 0;
  ASSERT_EQ(out.open(-1, format, {[&] { ++opened; }, [&](int) { ++done; }}), WaveOut::Ok);
  std::vector<char> block(88200, 1);
  ASSERT_EQ(out.prepare(0, block.data(), 88200), WaveOut::Ok);
  ASSERT_EQ(out.write(0), WaveOut::Ok);
  EXPECT_EQ(out.unprepare(0), WaveOut::StillPlaying);
  EXPECT_EQ(out.reset(), WaveOut::Ok);
  EXPECT_EQ(out.unprepare(0), WaveOut::Ok);
  EXPECT_EQ(out.close(), WaveOut::Ok);
  clock.waitMs(50);
  EXPECT_EQ(done, 0);
  EXPECT_EQ(opened, 0);  // posted before the close, dropped with it
}

TEST_F(AlsaWaveOutTest, UnknownDevicesAndFormatsAreRefused) {
  WaveFormat format;
  EXPECT_EQ(out.open(100000, format, {}), WaveOut::BadDeviceId);
  AlsaWaveOut missing{QStringLiteral("no_such_pcm_here")};
  EXPECT_NE(missing.open(-1, format, {}), WaveOut::Ok);
  format.channels = 3;
  EXPECT_EQ(out.open(-1, format, {}), WaveOut::BadFormat);
  std::uint32_t volume = 0;
  EXPECT_EQ(out.getVolume(-1, volume), WaveOut::Ok);
  EXPECT_EQ(volume, WaveOut::kFullVolume);
  EXPECT_EQ(out.setVolume(-1, 0x12345678u), WaveOut::Ok);
  EXPECT_EQ(out.getVolume(-1, volume), WaveOut::Ok);
  EXPECT_EQ(volume, 0x12345678u);
}

}  // namespace
}  // namespace parlhora
