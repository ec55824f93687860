#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

// The built program, run as a user would run it.
namespace {

const QString kProgram = QStringLiteral(PARLHORA_BINARY_DIR "/parlhora");

struct Result {
  int exitCode = -1;
  QStringList out;
  QStringList err;
};

Result run(const QStringList& args,
           const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
  QProcess process;
  process.setProcessEnvironment(env);
  process.start(kProgram, args);
  Result result;
  if (!process.waitForFinished(60000)) {
    process.kill();
    process.waitForFinished();
    return result;
  }
  result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  result.out = QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
  result.err = QString::fromUtf8(process.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
  return result;
}

void write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

QByteArray read(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

TEST(Program, PortsListsNoComFirst) {
  const Result result = run({"ports"});
  ASSERT_EQ(result.exitCode, 0);
  ASSERT_FALSE(result.out.isEmpty());
  EXPECT_EQ(result.out.first(), "No COM");
}

TEST(Program, ConfigReportsIgnoredLinesAndRewritesOnlyOnRequest) {
  QTemporaryDir home;
  const QString ini = QDir(home.path()).filePath("parlhora.ini");
  const QByteArray original =
      "[PARLHORA V2.2.3]\r\nPERIOD=3\r\nNOSUCHKEY=1\r\nPAUSE=soon\r\nMETAR_FAV0=x\r\n";
  write(ini, original);

  Result result = run({"--home", home.path(), "config"});
  EXPECT_EQ(result.exitCode, 0);
  ASSERT_EQ(result.err.size(), 3) << result.err.join('\n').toStdString();
  EXPECT_TRUE(result.err[0].contains("NOSUCHKEY=1"));
  EXPECT_TRUE(result.err[1].contains("PAUSE=soon"));
  EXPECT_TRUE(result.err[2].contains("METAR_FAV0=x"));
  EXPECT_EQ(read(ini), original);  // no side effects without --rewrite

  result = run({"--home", home.path(), "config", "--rewrite"});
  EXPECT_EQ(result.exitCode, 0);
  const QByteArray rewritten = read(ini);
  EXPECT_TRUE(rewritten.startsWith("[PARLHORA V2.2.3]\r\n"));
  EXPECT_TRUE(rewritten.contains("\r\nPERIOD=3\r\n"));
  EXPECT_FALSE(rewritten.contains("NOSUCHKEY"));
  EXPECT_FALSE(QFile::exists(QDir(home.path()).filePath("kuckoo.wav")));  // config touches nothing else

  QTemporaryDir empty;
  EXPECT_EQ(run({"--home", empty.path(), "config"}).exitCode, 1);
}

TEST(Program, ScheduleAndSayUseTheSettingsOfTheProgramFolder) {
  QTemporaryDir home;
  write(QDir(home.path()).filePath("parlhora.ini"),
        "[PARLHORA V2.2.3]\r\nPERIOD=5\r\nSTART_RANGE=22\r\nEND_RANGE=2\r\nDATE=N\r\n");
  Result result = run({"--home", home.path(), "schedule", "--date", "2026-03-05"});
  ASSERT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.out,
            (QStringList{"00:00", "00:30", "01:00", "01:30", "22:00", "22:30", "23:00", "23:30"}));

  result = run({"--home", home.path(), "say", "--at", "2026-03-05 22:30", "--dry-run"});
  ASSERT_EQ(result.exitCode, 0);
  QStringList pieces;
  for (const QString& line : result.out)
    if (line.startsWith("piece ")) pieces << line.mid(6);
  EXPECT_EQ(pieces, (QStringList{"son_it_s", "son22", "son_hour", "son30", "son_minute"}));
  EXPECT_EQ(result.out.first(), "status PARLHORA SPIEL");
}

TEST(Program, WithoutADisplayItRunsHeadlessAndStopsCleanlyOnSigterm) {
  QTemporaryDir home;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove("DISPLAY");
  env.remove("WAYLAND_DISPLAY");
  env.remove("QT_QPA_PLATFORM");
  env.insert("XDG_CONFIG_HOME", home.path());
  env.insert("XDG_PUBLICSHARE_DIR", QDir(home.path()).filePath("public"));
  QProcess process;
  process.setProcessEnvironment(env);
  process.start(kProgram, {"--home", home.path()});
  ASSERT_TRUE(process.waitForStarted());
  // The first tick loads the settings and puts the default files in place.
  const QString cuckoo = QDir(home.path()).filePath("kuckoo.wav");
  for (int i = 0; i < 100 && !QFile::exists(cuckoo); ++i) process.waitForFinished(100);
  ASSERT_TRUE(QFile::exists(cuckoo));
  process.terminate();
  ASSERT_TRUE(process.waitForFinished(20000));
  EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(process.exitCode(), 0);
  EXPECT_TRUE(QString::fromUtf8(process.readAllStandardError()).contains("running headless"));
  // Closing saves, as the window's close would.
  EXPECT_TRUE(read(QDir(home.path()).filePath("parlhora.ini")).startsWith("[PARLHORA V2.2.3]\r\n"));
}

namespace {

QProcessEnvironment headlessEnv(const QString& home) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove("DISPLAY");
  env.remove("WAYLAND_DISPLAY");
  env.remove("QT_QPA_PLATFORM");
  env.insert("XDG_CONFIG_HOME", home);
  env.insert("XDG_PUBLICSHARE_DIR", QDir(home).filePath("public"));
  return env;
}

// Waits until `process` has written `text` to standard output.
bool waitForOutput(QProcess& process, QByteArray& seen, const QByteArray& text) {
  for (int i = 0; i < 200 && !seen.contains(text); ++i) {
    process.waitForReadyRead(100);
    seen += process.readAllStandardOutput();
  }
  return seen.contains(text);
}

}  // namespace

// A second program on one folder would announce twice and race the save.
TEST(Program, ASecondInstanceOnTheSameFolderRefuses) {
  QTemporaryDir home;
  QProcess first;
  first.setProcessEnvironment(headlessEnv(home.path()));
  first.start(kProgram, {"--home", home.path(), "--headless"});
  ASSERT_TRUE(first.waitForStarted());
  QByteArray seen;
  ASSERT_TRUE(waitForOutput(first, seen, "Zeitansagen aus"));
  // What it will do, each line with its ISO time.
  EXPECT_TRUE(seen.contains("COM-Port: No COM")) << seen.constData();
  EXPECT_TRUE(QDateTime::fromString(QString::fromUtf8(seen.left(25)), Qt::ISODate).isValid())
      << seen.constData();

  const Result second = run({"--home", home.path(), "--headless"}, headlessEnv(home.path()));
  EXPECT_EQ(second.exitCode, 1);
  EXPECT_TRUE(second.err.join('\n').contains("already running")) << second.err.join('\n').toStdString();

  first.terminate();
  ASSERT_TRUE(first.waitForFinished(20000));
  EXPECT_EQ(first.exitCode(), 0);
}

// A FIFO in place of the settings file or the log must not block the start,
// and SIGTERM ends the run.
TEST(Program, FifoSettingsAndLogDoNotHangAndSigtermEnds) {
  QTemporaryDir home;
  for (const char* name : {"parlhora.ini", "parlhora.log"})
    ASSERT_EQ(::mkfifo(QFile::encodeName(QDir(home.path()).filePath(name)).constData(), 0600), 0);
  QProcess process;
  process.setProcessEnvironment(headlessEnv(home.path()));
  process.start(kProgram, {"--home", home.path(), "--headless"});
  ASSERT_TRUE(process.waitForStarted());
  QByteArray seen;
  EXPECT_TRUE(waitForOutput(process, seen, "Fehler: parlhora.ini")) << seen.constData();
  EXPECT_TRUE(seen.contains("Fehler: parlhora.log")) << seen.constData();
  process.terminate();
  ASSERT_TRUE(process.waitForFinished(20000));
  EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
  // Neither FIFO was replaced by a file of defaults.
  EXPECT_FALSE(QFileInfo(QDir(home.path()).filePath("parlhora.ini")).isFile());
}

// say handles SIGTERM as the program does: unkey, then end, and says so.
TEST(Program, SayEndsOnSigtermWithItsReason) {
  QTemporaryDir home;
  // The start pause keeps the announcement busy without a sound device.
  write(QDir(home.path()).filePath("parlhora.ini"), "[PARLHORA V2.2.3]\r\nPAUSE=15\r\nCOM=0\r\n");
  QProcess say;
  say.setProcessEnvironment(headlessEnv(home.path()));
  say.start(kProgram, {"--home", home.path(), "say"});
  ASSERT_TRUE(say.waitForStarted());
  QByteArray seen;
  ASSERT_TRUE(waitForOutput(say, seen, "PARLHORA SPIEL"));
  say.terminate();
  ASSERT_TRUE(say.waitForFinished(5000));
  EXPECT_EQ(say.exitStatus(), QProcess::NormalExit);
  EXPECT_NE(say.exitCode(), 0);
  EXPECT_TRUE(say.readAllStandardError().contains("stopped by a signal, transmitter unkeyed"));
}

TEST(Program, FailuresGoToStandardErrorAndHelpToStandardOutput) {
  QTemporaryDir home;
  Result result = run({"say", "--help"});
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_TRUE(result.err.isEmpty());
  EXPECT_TRUE(result.out.join('\n').startsWith("usage: parlhora"));

  // A port that cannot be opened fails say with the reason.
  write(QDir(home.path()).filePath("parlhora.ini"),
        "[PARLHORA V2.2.3]\r\nCOM=/dev/serial/by-id/usb-gone\r\n");
  result = run({"--home", home.path(), "say"}, headlessEnv(home.path()));
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_TRUE(result.err.join('\n').contains("Fehler: COM-Port /dev/serial/by-id/usb-gone: fehlt"))
      << result.err.join('\n').toStdString();
  result = run({"--home", home.path(), "config"});
  EXPECT_EQ(result.err, QStringList{"parlhora.ini: COM=/dev/serial/by-id/usb-gone: "
                                    "/dev/serial/by-id/usb-gone does not exist"});

  result = run({"--home", home.path(), "say", "--out", QDir(home.path()).filePath("no/such/dir/x.wav")});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_FALSE(result.err.isEmpty());

  // Control bytes of an ignored line are shown escaped, never sent to the terminal.
  write(QDir(home.path()).filePath("parlhora.ini"), "[PARLHORA V2.2.3]\r\nX\x1b[2J=\x07\x01\\\r\n");
  result = run({"--home", home.path(), "config"});
  EXPECT_EQ(result.exitCode, 0);
  ASSERT_EQ(result.err.size(), 1);
  EXPECT_TRUE(result.err[0].endsWith("X\\x1b[2J=\\x07\\x01\\\\")) << result.err[0].toStdString();
}
