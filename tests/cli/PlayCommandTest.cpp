#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "audio/engine/WavBytes.h"
#include "cli/PlayCommand.h"
#include "fakes/FakeWaveOut.h"
#include "platform/VirtualClock.h"

namespace parlhora {
namespace {

struct CommandRun {
  int code = -1;
  QString out;
  QString err;
};

CommandRun play(const QStringList& args, const QString& folder = QString()) {
  CommandRun run;
  QTextStream out(&run.out);
  QTextStream err(&run.err);
  run.code = runPlayCommand(args, folder, out, err);
  return run;
}

TEST(PlayCommand, RendersABuiltInPieceAndReportsItsFormat) {
  QTemporaryDir dir;
  const QString wav = dir.filePath("son0.wav");
  const CommandRun run = play({"play", "son0", "--out", wav});
  EXPECT_EQ(run.code, 0) << run.err.toStdString();
  EXPECT_TRUE(run.out.startsWith("ok 1ch 11025 Hz 16 bit ")) << run.out.toStdString();
  EXPECT_TRUE(run.out.endsWith(" s\n"));
  EXPECT_GT(QFile(wav).size(), 44);
}

TEST(PlayCommand, PlaysAFileFromTheProgramFolder) {
  QTemporaryDir dir;
  ASSERT_TRUE(test::writeFile(dir.filePath("only-in-the-program-folder.wav"), test::wavBytes(44100, 2, 11025, 16)));
  const CommandRun run = play({"only-in-the-program-folder.wav", "--out", dir.filePath("o.wav")}, dir.path());
  EXPECT_EQ(run.code, 0) << run.err.toStdString();
  EXPECT_EQ(run.out, "ok 2ch 11025 Hz 16 bit 1.00 s\n");
}

TEST(PlayCommand, FailuresPrintTheStatusTextAndExitNonZero) {
  QTemporaryDir dir;
  CommandRun run = play({"son_nothing", "--out", dir.filePath("o.wav")});
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.err, "Fehler: Res Wave\n");
  run = play({dir.filePath("missing.wav"), "--out", dir.filePath("o.wav")});
  EXPECT_EQ(run.err, "Err: Wave file name\n");
  run = play({"son1", "--out", dir.filePath("no/folder/o.wav")});
  EXPECT_EQ(run.err, "Err: WaveOutOpen\n");
  EXPECT_EQ(play({"son1", "--device", "x"}).code, 2);
  EXPECT_EQ(play({"play"}).code, 2);
  EXPECT_EQ(play({"son1", "son2"}).code, 2);
}

TEST(PlayCommand, DevicesAreListedWithTheirNumbers) {
  VirtualClock clock{QDateTime(QDate(2026, 3, 5), QTime(14, 0))};
  FakeWaveOut out{clock};
  out.setDevices({"Karte A", "Karte B"});
  out.failOnce("deviceName", WaveOut::Error, 1);
  QString text;
  QTextStream stream(&text);
  EXPECT_EQ(runDevicesCommand(stream, out), 0);
  EXPECT_EQ(text, "-1 default\n0 Karte A\n1 Fehler: Lesen-Ausgabe\n");
}

}  // namespace
}  // namespace parlhora
