#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "cli/SayCommand.h"

using namespace parlhora;

namespace {

struct SayRun {
  int status = -1;
  QStringList lines;
  QString err;
};

SayRun say(const QString& folder, const QStringList& args) {
  QString out;
  QString err;
  QTextStream outStream(&out);
  QTextStream errStream(&err);
  SayRun run;
  run.status = runSayCommand(args, folder, outStream, errStream);
  outStream.flush();
  errStream.flush();
  run.lines = out.split('\n', Qt::SkipEmptyParts);
  run.err = err;
  return run;
}

void writeSettings(const QString& folder, const QByteArray& lines) {
  QFile file(QDir(folder).filePath("parlhora.ini"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("[PARLHORA V2.2.3]\r\n" + lines);
}

QStringList only(const QStringList& lines, const QString& prefix) {
  QStringList kept;
  for (const QString& line : lines)
    if (line.startsWith(prefix)) kept << line.mid(prefix.size());
  return kept;
}

}  // namespace

TEST(SayCommand, DryRunPrintsTheWholeTimelineInOrder) {
  QTemporaryDir home;
  writeSettings(home.path(), "HELLO=Y\r\nCOM=ttyS0\r\nRTS=0\r\n");
  const SayRun run = say(home.path(), {"--at", "2024-03-05 14:35", "--dry-run"});
  ASSERT_EQ(run.status, 0) << run.err.toStdString() << run.lines.join('\n').toStdString();

  EXPECT_EQ(only(run.lines, "piece "), (QStringList{"son_tue", "son_5te", "son_mar", "son2000", "son24",
                                                    "son_it_s", "son14", "son_hour", "son35", "son_minute"}));
  EXPECT_EQ(only(run.lines, "file "), QStringList{"kuckoo.wav"});
  // Keyed before anything plays, with the pre-roll; released after the last piece.
  const int key = run.lines.indexOf("key DTR");
  ASSERT_GE(key, 0);
  EXPECT_EQ(run.lines.indexOf("key RTS"), -1);
  EXPECT_EQ(run.lines.value(key + 1), "pause 300");
  EXPECT_LT(key, run.lines.indexOf("file kuckoo.wav"));
  EXPECT_GT(run.lines.indexOf("unkey"), run.lines.indexOf("piece son_minute"));
  EXPECT_EQ(only(run.lines, "status ").first(), "PARLHORA SPIEL");
  EXPECT_TRUE(only(run.lines, "status ").contains("PARLHORA DONE"));
}

TEST(SayCommand, WithoutSettingsNoPortIsKeyedAndTheYearPastRangeIsSilent) {
  QTemporaryDir home;
  const SayRun run = say(home.path(), {"--at", "2060-01-01 00:00", "--dry-run"});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_EQ(only(run.lines, "piece "),
            (QStringList{"son_thu", "son_1te", "son_jan", "son_it_s", "son0", "son_hour"}));
  EXPECT_FALSE(run.lines.contains("key DTR"));
  EXPECT_FALSE(run.lines.contains("unkey"));
  EXPECT_FALSE(run.lines.contains("pause 300"));
}

TEST(SayCommand, AFailingGreetingFailsTheRunAndStillUnkeys) {
  QTemporaryDir home;
  writeSettings(home.path(), "HELLO=Y\r\nFICHIER_PIROLO=missing.wav\r\nCOM=ttyS0\r\n");
  const SayRun run = say(home.path(), {"--at", "2024-03-05 14:35", "--dry-run"});
  EXPECT_NE(run.status, 0);
  EXPECT_TRUE(only(run.lines, "status ").contains("Err: Wave file name"));
  EXPECT_TRUE(run.lines.contains("unkey"));
  EXPECT_TRUE(only(run.lines, "piece ").isEmpty());
}

TEST(SayCommand, OutRendersAWaveFileAndRefusesNonsense) {
  QTemporaryDir home;
  const QString wav = QDir(home.path()).filePath("say.wav");
  const SayRun run = say(home.path(), {"--at", "2024-03-05 14:00", "--out", wav});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  QFile file(wav);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray head = file.read(12);
  EXPECT_TRUE(head.startsWith("RIFF") && head.endsWith("WAVE"));
  EXPECT_GT(file.size(), 22050);  // several seconds of speech and pauses

  EXPECT_EQ(say(home.path(), {"--dry-run", "--out", wav}).status, 2);
  EXPECT_EQ(say(home.path(), {"--at", "tomorrow"}).status, 2);
}

namespace {

QByteArray le(std::uint32_t v, int bytes) {
  QByteArray b;
  for (int i = 0; i < bytes; ++i) b += char((v >> (8 * i)) & 0xFF);
  return b;
}

// A mono 16-bit recording at 11,025 Hz of `samples` bytes.
QByteArray recording(const QByteArray& samples, int formatTag = 1) {
  const QByteArray fmt = le(formatTag, 2) + le(1, 2) + le(11025, 4) + le(22050, 4) + le(2, 2) + le(16, 2);
  const QByteArray chunks = "fmt " + le(fmt.size(), 4) + fmt + "data" + le(samples.size(), 4) + samples;
  return "RIFF" + le(4 + chunks.size(), 4) + "WAVE" + chunks;
}

void writeVoice(const QString& home, const QString& name, const QByteArray& bytes) {
  QDir(home).mkpath("voice");
  QFile file(QDir(home).filePath("voice/" + name));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

}  // namespace

TEST(SayCommand, AnOwnRecordingIsPlayedInPlaceOfItsPieceAndABrokenOneFailsAsAPieceWould) {
  QTemporaryDir home;
  writeSettings(home.path(), "HELLO=Y\r\n");
  QByteArray voice;
  for (int i = 0; i < 3000; ++i) voice += "\x5c\x3a";
  writeVoice(home.path(), "son_it_s.wav", recording(voice));
  writeVoice(home.path(), "SON14.wav", recording(voice));  // not the lower-case name: ignored

  const SayRun dry = say(home.path(), {"--at", "2024-03-05 14:35", "--dry-run"});
  ASSERT_EQ(dry.status, 0) << dry.err.toStdString();
  EXPECT_EQ(only(dry.lines, "file "), (QStringList{"kuckoo.wav", "voice/son_it_s.wav"}));
  EXPECT_FALSE(only(dry.lines, "piece ").contains("son_it_s"));
  EXPECT_TRUE(only(dry.lines, "piece ").contains("son14"));

  // The rendered announcement holds the recording's own samples.
  const QString wav = QDir(home.path()).filePath("say.wav");
  ASSERT_EQ(say(home.path(), {"--at", "2024-03-05 14:35", "--out", wav}).status, 0);
  QFile rendered(wav);
  ASSERT_TRUE(rendered.open(QIODevice::ReadOnly));
  EXPECT_TRUE(rendered.readAll().contains(voice));

  writeVoice(home.path(), "son_it_s.wav", recording(voice, 3));  // float, not PCM
  const SayRun broken = say(home.path(), {"--at", "2024-03-05 14:35", "--dry-run"});
  EXPECT_NE(broken.status, 0);
  EXPECT_TRUE(only(broken.lines, "status ").contains("Err: none PCM file"));
  EXPECT_FALSE(only(broken.lines, "piece ").contains("son14"));  // nothing after the failing piece
}
