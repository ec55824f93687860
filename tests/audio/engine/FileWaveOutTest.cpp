#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include "WavBytes.h"
#include "audio/WavReader.h"
#include "audio/WaveEngine.h"
#include "platform/backends/FileWaveOut.h"
#include "platform/Notifier.h"
#include "platform/VirtualClock.h"

namespace parlhora {
namespace {

class NoNotifier final : public Notifier {
 public:
  void beep() override {}
  void errorBox(const QString&) override {}
};

class FileWaveOutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WaveEngine::Events events;
    events.status = [this](const QString& t) { statuses << t; };
    events.pieceFinished = [this] { ++finished; };
    events.failure = [this] { ++failures; };
    engine.setEvents(events);
  }

  QTemporaryDir dir;
  VirtualClock clock{QDateTime(QDate(2026, 3, 5), QTime(14, 0))};
  FileWaveOut out{dir.filePath("out.wav"), clock};
  NoNotifier notifier;
  WaveEngine engine{out, clock, notifier};
  QStringList statuses;
  int finished = 0;
  int failures = 0;
};

TEST_F(FileWaveOutTest, RendersPiecesAndPausesIntoOneValidWav) {
  engine.PlayWaveRes("son1");
  clock.runPending();
  ASSERT_EQ(finished, 1) << statuses.join(", ").toStdString();
  const int first = engine.dataSize();
  clock.waitMs(950);  // with the 50 ms after the close: one second of silence
  engine.PlayWaveRes("son2");
  clock.runPending();
  ASSERT_EQ(finished, 2);
  const int second = engine.dataSize();
  ASSERT_TRUE(out.finish());

  QFile file(dir.filePath("out.wav"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  QByteArray samples;
  const WavReadResult read = WavReader::read(file, WaveOrigin::File, samples);
  ASSERT_TRUE(read.ok()) << read.error.toStdString();
  EXPECT_EQ(read.format.channels, 1);
  EXPECT_EQ(read.format.samplesPerSec, 11025u);
  EXPECT_EQ(read.format.bitsPerSample, 16);
  EXPECT_EQ(samples.size(), first + 22050 + second);
  // The silence sits between the two pieces.
  EXPECT_EQ(samples.mid(first, 22050), QByteArray(22050, '\0'));
  EXPECT_EQ(qFromLittleEndian<std::uint32_t>(file.map(4, 4)), 36u + samples.size());
}

TEST_F(FileWaveOutTest, OtherFormatsAreConvertedTo16BitMono11025) {
  const QString path = dir.filePath("stereo.wav");
  // One second of 22,050 Hz stereo 8-bit.
  ASSERT_TRUE(test::writeFile(path, test::wavBytes(44100, 2, 22050, 8)));
  engine.PlayWaveFile(path);
  clock.runPending();
  ASSERT_EQ(finished, 1) << statuses.join(", ").toStdString();
  EXPECT_EQ(out.dataBytes(), 22050u);
}

TEST_F(FileWaveOutTest, UnwritableFileFailsTheOpen) {
  FileWaveOut bad{dir.filePath("no/such/folder/out.wav"), clock};
  engine.setWaveOut(bad);
  engine.PlayWaveRes("son1");
  EXPECT_EQ(statuses, QStringList{"Err: WaveOutOpen"});
  EXPECT_EQ(failures, 1);
  EXPECT_FALSE(bad.finish());
}

TEST_F(FileWaveOutTest, AnAbsurdRateIsRefusedInsteadOfRenderingGigabytes) {
  // 1 sample per second passes the reader's arithmetic; one block would be hours.
  test::writeFile(dir.filePath("slow.wav"), test::wavBytes(88200, 1, 1, 16));
  engine.PlayWaveFile(dir.filePath("slow.wav"));
  EXPECT_EQ(statuses, QStringList{"Err: Opening sound card"});
  EXPECT_EQ(failures, 1);
  EXPECT_TRUE(out.finish());
  EXPECT_LT(QFile(dir.filePath("out.wav")).size(), 100);
}

}  // namespace
}  // namespace parlhora
