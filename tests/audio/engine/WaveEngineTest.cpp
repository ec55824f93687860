#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QFile>
#include <QTemporaryDir>

#include "WavBytes.h"
#include "audio/PieceLibrary.h"
#include "audio/SoundSettings.h"
#include "audio/WaveEngine.h"
#include "fakes/FakeWaveOut.h"
#include "platform/Notifier.h"
#include "platform/VirtualClock.h"

namespace parlhora {
namespace {

class CountingNotifier final : public Notifier {
 public:
  void beep() override { ++beeps; }
  void errorBox(const QString&) override {}
  int beeps = 0;
};

class WaveEngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    engine.setProgramFolder(dir.path());
    WaveEngine::Events events;
    events.status = [this](const QString& t) { statuses << t; };
    events.pieceFinished = [this] {
      ++finished;
      finishedAtMs = clock.monotonicMs();
    };
    // What the safety reset does to the engine.
    events.failure = [this] {
      ++failures;
      engine.closeDevice();
      engine.clearFlags();
    };
    events.started = [this](WaveOrigin, const QString& name) { started << name; };
    engine.setEvents(events);
    ASSERT_TRUE(engine.Alloc_Mem());
  }

  QString file(int dataBytes, const QString& name = QStringLiteral("piece.wav")) {
    const QString path = dir.filePath(name);
    EXPECT_TRUE(test::writeFile(path, test::wavBytes(dataBytes)));
    return path;
  }

  QTemporaryDir dir;
  VirtualClock clock{QDateTime(QDate(2026, 3, 5), QTime(14, 0))};
  FakeWaveOut out{clock, FakeWaveOut::Mode::Manual};
  CountingNotifier notifier;
  WaveEngine engine{out, clock, notifier};
  QStringList statuses;
  QStringList started;
  int finished = 0;
  int failures = 0;
  std::int64_t finishedAtMs = -1;
};

TEST_F(WaveEngineTest, PieceOfOneBlockIsOneBufferAndClosesOnItsDone) {
  engine.PlayWaveFile(file(88200));
  clock.runPending();  // open event
  EXPECT_TRUE(engine.isPlaying());
  EXPECT_TRUE(engine.isOpened());
  EXPECT_EQ(out.writtenLengths(), std::vector<int>{88200});
  ASSERT_TRUE(out.completeNext());
  EXPECT_FALSE(out.isOpen());
  EXPECT_EQ(finished, 1);
  EXPECT_EQ(finishedAtMs, 50);  // the pause after the close comes first
  EXPECT_FALSE(engine.isPlaying());
  EXPECT_FALSE(engine.isOpened());
  EXPECT_TRUE(statuses.isEmpty());
  EXPECT_EQ(started, QStringList{dir.filePath("piece.wav")});
}

TEST_F(WaveEngineTest, LongFileStreamsThroughBothBlocksAndClosesAfterThirdDone) {
  engine.PlayWaveFile(file(200000));
  clock.runPending();
  EXPECT_EQ(out.writtenLengths(), (std::vector<int>{88200, 88200}));
  ASSERT_TRUE(out.completeNext());
  EXPECT_EQ(out.writtenLengths(), (std::vector<int>{88200, 88200, 23600}));
  ASSERT_TRUE(out.completeNext());
  EXPECT_TRUE(out.isOpen());
  EXPECT_EQ(finished, 0);
  ASSERT_TRUE(out.completeNext());
  EXPECT_FALSE(out.isOpen());
  EXPECT_EQ(finished, 1);
  EXPECT_EQ(engine.buffersWritten(), 3);
  EXPECT_EQ(engine.buffersReturned(), 3);
  // The refilled block 0 is the last one back.
  const QStringList tail = out.calls().mid(out.calls().lastIndexOf("done 0"));
  EXPECT_EQ(tail.join(','), "done 0,unprepare 0,unprepare 0,unprepare 1,reset,close");
}

TEST_F(WaveEngineTest, EmptyDataChunkQueuesOneEmptyBuffer) {
  engine.PlayWaveFile(file(0));
  clock.runPending();
  EXPECT_EQ(out.writtenLengths(), std::vector<int>{0});
  out.completeNext();
  EXPECT_EQ(finished, 1);
}

TEST_F(WaveEngineTest, BuiltInPieceIsOneBufferOnTheDefaultDevice) {
  out.setMode(FakeWaveOut::Mode::Immediate);
  engine.PlayWaveRes("son0");
  ASSERT_TRUE(statuses.isEmpty()) << statuses.join(", ").toStdString();
  EXPECT_EQ(out.calls().first(), "open -1 1ch 11025Hz 16bit");
  EXPECT_EQ(out.writtenLengths(), std::vector<int>{engine.dataSize()});
  clock.runPending();
  EXPECT_EQ(finished, 1);
}

TEST_F(WaveEngineTest, RequestWhilePlayingIsIgnoredSilently) {
  engine.PlayWaveRes("son1");
  const int callsBefore = static_cast<int>(out.calls().size());
  engine.PlayWaveRes("son2");
  engine.PlayWaveFile(file(100));
  engine.PlayWaveRes("");
  EXPECT_EQ(out.calls().size(), callsBefore);
  EXPECT_TRUE(statuses.isEmpty());
  EXPECT_EQ(notifier.beeps, 0);
  EXPECT_EQ(started, QStringList{"son1"});
}

TEST_F(WaveEngineTest, ReaderStepFailuresReportAndRunTheFailureEvent) {
  engine.PlayWaveRes("");
  engine.PlayWaveFile("");
  EXPECT_EQ(notifier.beeps, 2);
  engine.PlayWaveRes("son_nothing");
  engine.PlayWaveFile(dir.filePath("missing.wav"));
  engine.PlayWaveFile(dir.path());  // a folder is no file
  // A FIFO would block the program for good while keyed; a device never ends.
  ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("fifo.wav")).constData(), 0600), 0);
  engine.PlayWaveFile("fifo.wav");
  engine.PlayWaveFile("/dev/zero");
  test::writeFile(dir.filePath("short.wav"), "RIFF");
  engine.PlayWaveFile("short.wav");
  EXPECT_EQ(statuses, (QStringList{"Err: Res Wave", "Err: Wave file", "Fehler: Res Wave",
                                   "Err: Wave file name", "Err: Wave file name", "Err: Wave file name",
                                   "Err: Wave file name", "Err: wave file"}));
  EXPECT_EQ(failures, 8);
  EXPECT_TRUE(out.writtenLengths().empty());
}

TEST_F(WaveEngineTest, RelativePathsComeFromTheProgramFolder) {
  file(500, "kuckoo.wav");
  engine.PlayWaveFile("kuckoo.wav");
  EXPECT_TRUE(statuses.isEmpty());
  EXPECT_EQ(out.writtenLengths(), std::vector<int>{500});
}

struct OutputFailure {
  const char* call;
  int callsBeforeFailing;  // successful calls of that name first
  int dataBytes;
  const char* fileText;
};

TEST_F(WaveEngineTest, EveryOutputFailureHasItsTextAndRunsTheFailureEvent) {
  const OutputFailure cases[] = {
      {"open", 0, 1000, "Err: Opening sound card"},
      {"prepare", 0, 1000, "Err: PrepareHeader1"},
      {"write", 0, 1000, "Err: WaveOutWrite1"},
      {"prepare", 1, 100000, "Err: PrepareHeader2"},
      {"write", 1, 100000, "Err: WaveOutWrite2"},
      {"prepare", 2, 200000, "fehler: prepare hdr3 wave"},
      {"write", 2, 200000, "Fehler: wave_out_write3 wave"},
  };
  for (const OutputFailure& c : cases) {
    SCOPED_TRACE(c.fileText);
    statuses.clear();
    failures = 0;
    out.failOnce(c.call, WaveOut::Error, c.callsBeforeFailing);
    engine.PlayWaveFile(file(c.dataBytes));
    clock.runPending();
    if (c.callsBeforeFailing == 2) out.completeNext();  // the refill
    EXPECT_EQ(statuses, QStringList{c.fileText});
    EXPECT_EQ(failures, 1);
    EXPECT_FALSE(engine.isPlaying());
    // The safety reset closed the device even with a block still queued.
    EXPECT_FALSE(out.isOpen());
    EXPECT_EQ(finished, 0);
    out.clearFailures();
  }
}

TEST_F(WaveEngineTest, OutputFailuresOfBuiltInPiecesHaveTheirOwnTexts) {
  const std::pair<const char*, const char*> cases[] = {
      {"open", "Err: WaveOutOpen"}, {"prepare", "Err: Prepareheader1"}, {"write", "Err: waveOutWrite1"}};
  for (const auto& [call, text] : cases) {
    statuses.clear();
    out.failOnce(call);
    engine.PlayWaveRes("son5");
    EXPECT_EQ(statuses, QStringList{text});
  }
  EXPECT_EQ(failures, 3);
}

TEST_F(WaveEngineTest, DeviceBeyondTheListFailsToOpen) {
  engine.setDevice(7);
  engine.PlayWaveRes("son5");
  EXPECT_EQ(statuses, QStringList{"Err: WaveOutOpen"});
  EXPECT_EQ(out.calls().first(), "open 7 1ch 11025Hz 16bit");
}

TEST_F(WaveEngineTest, NewDeviceIsUsedFromTheNextPieceOn) {
  engine.PlayWaveRes("son5");
  clock.runPending();
  engine.setDevice(0);
  out.completeNext();
  engine.PlayWaveRes("son6");
  const QStringList opens = out.calls().filter("open ");
  EXPECT_EQ(opens, (QStringList{"open -1 1ch 11025Hz 16bit", "open 0 1ch 11025Hz 16bit"}));
}

TEST_F(WaveEngineTest, DoneAfterTheSafetyResetIsIgnored) {
  engine.PlayWaveFile(file(1000));
  clock.runPending();
  ASSERT_TRUE(engine.closeDevice());
  engine.clearFlags();
  EXPECT_FALSE(out.completeNext());  // the reset dropped the block
  EXPECT_EQ(finished, 0);
  // and the next piece plays normally
  engine.PlayWaveFile(file(1000));
  clock.runPending();
  out.completeNext();
  EXPECT_EQ(finished, 1);
}

TEST_F(WaveEngineTest, CloseDeviceStopsAtTheFirstFailure) {
  engine.PlayWaveFile(file(1000));
  clock.runPending();
  out.clearCalls();
  out.failOnce("reset");
  EXPECT_FALSE(engine.closeDevice());
  EXPECT_EQ(out.calls(), QStringList{"reset"});
  EXPECT_TRUE(engine.closeDevice());
  EXPECT_FALSE(engine.closeDevice());  // nothing open any more
}

TEST_F(WaveEngineTest, SwappedBackendTakesOverAfterTheCurrentPiece) {
  FakeWaveOut other{clock, FakeWaveOut::Mode::Immediate};
  engine.PlayWaveRes("son5");
  engine.setWaveOut(other);
  clock.runPending();
  out.completeNext();
  EXPECT_EQ(finished, 1);
  engine.PlayWaveRes("son6");
  clock.runPending();
  EXPECT_EQ(finished, 2);
  EXPECT_EQ(other.writtenLengths().size(), 1u);
}

TEST_F(WaveEngineTest, RandomOutputFailuresNeverLeaveTheEngineStuck) {
  out.setMode(FakeWaveOut::Mode::Immediate);
  out.setRandomFailureRate(0.05, 1234);
  const QString path = file(200000);
  for (int i = 0; i < 300; ++i) {
    const int before = finished + failures;
    if (i % 2)
      engine.PlayWaveFile(path);
    else
      engine.PlayWaveRes("son12");
    clock.runFor(100);
    ASSERT_FALSE(engine.isPlaying()) << i;
    ASSERT_EQ(finished + failures, before + 1) << i;
    if (out.isOpen()) {  // a failed close: what the next safety reset would retry
      out.clearFailures();
      engine.closeDevice();
      out.setRandomFailureRate(0.05, 1234 + i);
    }
  }
  EXPECT_GT(finished, 100);
  EXPECT_GT(failures, 10);
}

TEST_F(WaveEngineTest, VolumeIsSetOnTheChosenDeviceAndReadBack) {
  engine.setDevice(0);
  SoundSettings sound;
  sound.volume = 3;
  sound.balance = -20;
  engine.applyStoredVolume(sound);
  const WaveEngine::VolumeReading r = engine.readBack(5, 0);
  EXPECT_EQ(r.position, 3);
  EXPECT_EQ(r.balance, -20);
  EXPECT_TRUE(r.changed);
  EXPECT_TRUE(out.calls().contains("setVolume 0 b3328f5b")) << out.calls().join(";").toStdString();
  const WaveEngine::VolumeReading same = engine.readBack(3, -20);
  EXPECT_FALSE(same.changed);
}

TEST_F(WaveEngineTest, FailedVolumeQueryLeavesTheSliderAlone) {
  out.failOnce("getVolume");
  const WaveEngine::VolumeReading r = engine.readBack(4, 10);
  EXPECT_EQ(r.position, 4);
  EXPECT_EQ(r.balance, 10);
  EXPECT_FALSE(r.changed);
}

}  // namespace
}  // namespace parlhora
