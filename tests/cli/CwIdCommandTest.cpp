#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "audio/MorseTone.h"
#include "cli/ConfigCommand.h"
#include "cli/PlayCommand.h"
#include "cli/SayCommand.h"

namespace parlhora {
namespace {

struct CommandRun {
  int code = -1;
  QStringList lines;
  QString err;
};

CommandRun runIt(const std::function<int(QTextStream&, QTextStream&)>& command) {
  QString out, err;
  QTextStream o(&out), e(&err);
  CommandRun r;
  r.code = command(o, e);
  o.flush();
  e.flush();
  r.lines = out.split('\n', Qt::SkipEmptyParts);
  r.err = err;
  return r;
}

void writeSettings(const QString& folder, const QByteArray& lines) {
  QFile file(QDir(folder).filePath("parlhora.ini"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("[PARLHORA V2.2.3]\r\n" + lines);
}

QByteArray dataOf(const QString& wav) {
  QFile f(wav);
  return f.open(QIODevice::ReadOnly) ? f.readAll().mid(44) : QByteArray();
}

CommandRun sayDryRun(const QString& home) {
  return runIt([&](QTextStream& o, QTextStream& e) {
    return runSayCommand({"--at", "2024-03-05 14:00", "--dry-run"}, home, o, e);
  });
}

TEST(CwIdCommands, DryRunIdentifiesAfterTheFinalJingleAndBeforeTheUnkey) {
  QTemporaryDir home;
  writeSettings(home.path(),
                "COM=ttyS0\r\nFINAL=Y\r\nFICHIER_FIN=kuckoo.wav\r\nCWID=Y\r\nCWID_CALL=dl1abc/p\r\n");
  const CommandRun r = sayDryRun(home.path());
  ASSERT_EQ(r.code, 0) << r.err.toStdString();
  const int cw = r.lines.indexOf("cw DL1ABC/P");
  ASSERT_GT(cw, 0) << r.lines.join('\n').toStdString();
  EXPECT_EQ(r.lines.value(cw - 1), "pause 500");
  EXPECT_LT(r.lines.indexOf("file kuckoo.wav"), cw);
  EXPECT_GT(r.lines.indexOf("unkey"), cw);
  EXPECT_EQ(r.lines.filter("cw ").size(), 1);
}

TEST(CwIdCommands, BadValuesAreNamedByConfigAndLeftOutOfTheAnnouncement) {
  const struct {
    const char* lines;
    const char* report;  // empty: config says nothing
  } cases[] = {
      {"CWID=Y\r\nCWID_CALL=DL1ABC\r\nCWID_WPM=50\r\n", "parlhora.ini: CWID_WPM=50: not 10..40\n"},
      {"CWID=Y\r\nCWID_CALL=DL1ABC\r\nCWID_HZ=2000\r\n", "parlhora.ini: CWID_HZ=2000: not 400..1200\n"},
      {"CWID=Y\r\nCWID_CALL=DL-1ABC\r\n",
       "parlhora.ini: CWID_CALL=DL-1ABC: \"-\" cannot be sent, a call holds letters, digits and \"/\"\n"},
      {"CWID=Y\r\nCWID_CALL=DL1ABC\r\nCWID_WPM=x\r\n", "parlhora.ini:4: value not a number: CWID_WPM=x\n"},
      {"CWID=Y\r\nCWID_CALL=DL1ABC\r\nCWID_LEVEL=101\r\nCWID_MIN=-1\r\n",
       "parlhora.ini: CWID_LEVEL=101: not 0..100\nparlhora.ini: CWID_MIN=-1: not 0..1440\n"},
      {"CWID=Y\r\nCWID_CALL=DL1\x1b\r\n",
       "parlhora.ini: CWID_CALL=DL1\\x1b: \"\\x1b\" cannot be sent, a call holds letters, digits and "
       "\"/\"\n"},
      {"CWID=Y\r\n", ""},
      {"CWID=N\r\nCWID_CALL=DL1ABC\r\n", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lines);
    QTemporaryDir home;
    writeSettings(home.path(), c.lines);
    const CommandRun config =
        runIt([&](QTextStream&, QTextStream& e) { return runConfigCommand(home.path(), false, e); });
    EXPECT_EQ(config.err, c.report);
    const CommandRun say = sayDryRun(home.path());
    EXPECT_EQ(say.code, 0) << say.err.toStdString();
    EXPECT_TRUE(say.lines.filter("cw ").isEmpty());
    EXPECT_FALSE(say.lines.contains("pause 500"));
    EXPECT_TRUE(say.lines.contains("piece son_hour"));
  }
}

TEST(CwIdCommands, RenderedAnnouncementEndsWithTheToneAfterItsPause) {
  QTemporaryDir home;
  writeSettings(home.path(), "CWID=Y\r\nCWID_CALL=DL1ABC\r\nCWID_WPM=25\r\nCWID_HZ=600\r\nCWID_LEVEL=40\r\n");
  const QString wav = home.filePath("say.wav");
  const CommandRun r = runIt([&](QTextStream& o, QTextStream& e) {
    return runSayCommand({"--at", "2024-03-05 14:00", "--out", wav}, home.path(), o, e);
  });
  ASSERT_EQ(r.code, 0) << r.err.toStdString();
  const QByteArray id = MorseTone::pcm("DL1ABC", {25, 600, 40, 11025});
  const QByteArray data = dataOf(wav);
  ASSERT_GT(data.size(), id.size() + 11025);
  EXPECT_EQ(data.right(id.size()), id);
  // At least the 500 ms pause of silence before it.
  const QByteArray before = data.mid(data.size() - id.size() - 11025, 11025);
  EXPECT_EQ(before, QByteArray(before.size(), '\0'));
}

TEST(CwIdCommands, PlayRendersAnyMorseTextAndRefusesWhatItCannotSend) {
  QTemporaryDir dir;
  const QString wav = dir.filePath("cw.wav");
  const CommandRun r = runIt([&](QTextStream& o, QTextStream& e) {
    return runPlayCommand({"play", "--cw", "cq de", "dl1abc", "--wpm", "30", "--hz", "650", "--out", wav}, {},
                          o, e);
  });
  ASSERT_EQ(r.code, 0) << r.err.toStdString();
  const QByteArray expected = MorseTone::pcm("CQ DE DL1ABC", {30, 650, 50, 11025});
  EXPECT_EQ(dataOf(wav), expected);
  EXPECT_EQ(
      r.lines,
      QStringList{QStringLiteral("ok 1ch 11025 Hz 16 bit %1 s").arg(expected.size() / 22050.0, 0, 'f', 2)});

  const auto code = [&](const QStringList& args) {
    return runIt([&](QTextStream& o, QTextStream& e) { return runPlayCommand(args, {}, o, e); }).code;
  };
  EXPECT_EQ(code({"--cw", "A#B", "--out", wav}), 2);
  EXPECT_EQ(code({"--cw", "TEST", "--wpm", "41", "--out", wav}), 2);
  EXPECT_EQ(code({"--cw", "TEST", "--hz", "399", "--out", wav}), 2);
  EXPECT_EQ(code({"son1", "--wpm", "25", "--out", wav}), 2);
  EXPECT_EQ(code({"--cw", "  ", "--out", wav}), 2);
}

}  // namespace
}  // namespace parlhora
