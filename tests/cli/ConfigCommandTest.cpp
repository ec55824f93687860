#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/SettingsFile.h"
#include "cli/ConfigCommand.h"

namespace parlhora {
namespace {

struct ConfigRun {
  int status;
  QString err;
};

ConfigRun runConfig(const QString& folder, bool rewrite) {
  QString text;
  QTextStream err(&text);
  const int status = runConfigCommand(folder, rewrite, err);
  err.flush();
  return {status, text};
}

QByteArray readFile(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

TEST(ConfigCommand, ListsIgnoredLinesAndChangesNothing) {
  QTemporaryDir dir;
  const QByteArray original =
      "[PARLHORA V2.2.3]\nPAUSE=x\nAPRS_FAV11=a\nWHAT=1\nW23_DAT=gone.dat\nPERIOD=2\n";
  writeFile(dir.filePath("parlhora.ini"), original);
  const ConfigRun run = runConfig(dir.path(), false);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err,
            "parlhora.ini:2: value not a number: PAUSE=x\n"
            "parlhora.ini:3: slot out of range: APRS_FAV11=a\n"
            "parlhora.ini:4: unknown key: WHAT=1\n"
            "parlhora.ini:5: file not found: W23_DAT=gone.dat\n");
  EXPECT_EQ(readFile(dir.filePath("parlhora.ini")), original);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"parlhora.ini"});
}

TEST(ConfigCommand, RewriteSavesAsTheMenuWould) {
  QTemporaryDir dir;
  writeFile(dir.filePath("history.dat"), "");
  writeFile(dir.filePath("parlhora.ini"), "[PARLHORA V2.2.3]\nW23_DAT=history.dat\nSTART=Y\nCOM=2\n");
  const ConfigRun run = runConfig(dir.path(), true);
  EXPECT_EQ(run.status, 0);
  AnnouncerSettings expected;
  expected.w23.file = "history.dat";
  expected.mainWindow.autostart = true;
  expected.lines.port = "2";
  EXPECT_EQ(readFile(dir.filePath("parlhora.ini")), SettingsFile::save(expected));
}

// A favourite's " //Name" follows the address into the file; the next start
// must find the file behind it and save the line back as it stood.
TEST(ConfigCommand, AddressesWithANameSurviveALoadAndSave) {
  QTemporaryDir dir;
  writeFile(dir.filePath("wxnow.txt"), "");
  writeFile(dir.filePath("metar.txt"), "");
  const QByteArray aprs = "APRS_DAT=" + dir.filePath("wxnow.txt").toLocal8Bit() + " //Zweite";
  const QByteArray lines[] = {aprs, "METAR_DAT=metar.txt //Frankfurt",
                              "METAR_DAT=https://x.example/m?icao=EDDF //Frankfurt"};
  for (const QByteArray& line : lines) {
    writeFile(dir.filePath("parlhora.ini"), "[PARLHORA V2.2.3]\n" + line + "\n");
    const ConfigRun run = runConfig(dir.path(), true);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "") << line.constData();
    EXPECT_TRUE(SettingsFile::splitLines(readFile(dir.filePath("parlhora.ini"))).contains(line))
        << line.constData();
  }
  writeFile(dir.filePath("parlhora.ini"), "[PARLHORA V2.2.3]\nAPRS_DAT=gone.txt //Zweite\n");
  EXPECT_EQ(runConfig(dir.path(), false).err, "parlhora.ini:2: file not found: APRS_DAT=gone.txt //Zweite\n");
}

TEST(ConfigCommand, PortPathsMustLeadToACharacterDevice) {
  QTemporaryDir dir;
  writeFile(dir.filePath("plain"), "");
  ASSERT_TRUE(QFile::link("/dev/null", dir.filePath("wx-station")));
  const QByteArray plain = dir.filePath("plain").toLocal8Bit(),
                   link = dir.filePath("wx-station").toLocal8Bit();
  writeFile(dir.filePath("parlhora.ini"), "[PARLHORA V2.2.3]\nCOM=" + link + "\nMETCOMM=" + plain + "\n");
  EXPECT_EQ(runConfig(dir.path(), false).err,
            "parlhora.ini: METCOMM=" + plain + ": " + plain + " is no character device\n");
  writeFile(dir.filePath("parlhora.ini"), "[PARLHORA V2.2.3]\nCOM=" + plain + "\nMETCOMM=" + link + "\n");
  EXPECT_EQ(runConfig(dir.path(), false).err,
            "parlhora.ini: COM=" + plain + ": " + plain + " is no character device\n");
  writeFile(dir.filePath("parlhora.ini"),
            "[PARLHORA V2.2.3]\nMETCOMM=" + dir.filePath("gone").toLocal8Bit() + "\n");
  EXPECT_TRUE(runConfig(dir.path(), false).err.endsWith("gone does not exist\n"));
}

TEST(ConfigCommand, UnreadableOrUnwritableFileFails) {
  QTemporaryDir dir;
  ConfigRun run = runConfig(dir.path(), true);
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.err.contains("cannot read"));
  EXPECT_FALSE(QFile::exists(dir.filePath("parlhora.ini")));

  writeFile(dir.filePath("parlhora.ini"), "[PARLHORA V2.2.3]\r\n");
  ASSERT_TRUE(QDir(dir.path()).mkpath("parlhora.~in/x"));
  run = runConfig(dir.path(), true);
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.err.startsWith("Fehler: parlhora.ini"));
  EXPECT_EQ(readFile(dir.filePath("parlhora.ini")), "[PARLHORA V2.2.3]\r\n");
}

}  // namespace
}  // namespace parlhora
