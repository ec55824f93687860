#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "cli/VoiceCommand.h"

using namespace parlhora;

namespace {

struct Check {
  int status = -1;
  QStringList lines;
};

Check voiceCheck(const QString& home, const QStringList& args = {"check"}) {
  QString out;
  QString err;
  QTextStream outStream(&out);
  QTextStream errStream(&err);
  Check check;
  check.status = runVoiceCommand(args, home, outStream, errStream);
  outStream.flush();
  check.lines = out.split('\n', Qt::SkipEmptyParts);
  return check;
}

void write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

QByteArray le(std::uint32_t v, int bytes) {
  QByteArray b;
  for (int i = 0; i < bytes; ++i) b += char((v >> (8 * i)) & 0xFF);
  return b;
}

QByteArray wav(int channels) {
  const QByteArray fmt =
      le(1, 2) + le(channels, 2) + le(11025, 4) + le(22050 * channels, 4) + le(2 * channels, 2) + le(16, 2);
  const QByteArray chunks = "fmt " + le(fmt.size(), 4) + fmt + "data" + le(4, 4) + QByteArray(4, '\0');
  return "RIFF" + le(4 + chunks.size(), 4) + "WAVE" + chunks;
}

}  // namespace

TEST(VoiceCommand, ListsReplacedPiecesStrangersAndWhatTheReaderRefuses) {
  QTemporaryDir home;
  const QDir voice(QDir(home.path()).filePath("voice"));
  ASSERT_TRUE(QDir(home.path()).mkpath("voice"));
  write(voice.filePath("son1.wav"), wav(1));
  write(voice.filePath("son_it_s.wav"), wav(2));
  write(voice.filePath("son_mon.wav"), wav(3));  // three channels
  write(voice.filePath("son_tue.wav"), "RIFF");  // cut short
  write(voice.filePath("SON_WED.WAV"), wav(1));  // right piece, wrong case
  write(voice.filePath("notes.txt"), "my takes");
  write(voice.filePath("son_nope.wav"), wav(1));  // no such piece
  ASSERT_EQ(::mkfifo(QFile::encodeName(voice.filePath("son2.wav")).constData(), 0600), 0);

  const Check check = voiceCheck(home.path());
  EXPECT_EQ(check.status, 1);
  EXPECT_EQ(check.lines, (QStringList{
                             "SON_WED.WAV: kein Baustein (Name klein schreiben: son_wed.wav)",
                             "notes.txt: kein Baustein",
                             "son1.wav: ersetzt son1",
                             "son2.wav: Err: Wave file name (keine reguläre Datei)",
                             "son_it_s.wav: ersetzt son_it_s",
                             "son_mon.wav: Err: none mono/stereo file",
                             "son_nope.wav: kein Baustein",
                             "son_tue.wav: Err: wave file",
                             "2 ersetzt, 3 fehlerhaft, 3 kein Baustein",
                         }));
}

TEST(VoiceCommand, NoFolderIsFineAndOtherWordsAreAUsageError) {
  QTemporaryDir home;
  const Check check = voiceCheck(home.path());
  EXPECT_EQ(check.status, 0);
  ASSERT_EQ(check.lines.size(), 1);
  EXPECT_TRUE(check.lines.first().startsWith("Keine eigenen Aufnahmen"));
  EXPECT_EQ(voiceCheck(home.path(), {}).status, 2);
  EXPECT_EQ(voiceCheck(home.path(), {"check", "extra"}).status, 2);
}
