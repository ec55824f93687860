// The recorder control against tools/fake-recorder, a separate process,
// over a real local socket.
#include <gtest/gtest.h>

#include <QFile>
#include <QTextStream>

#include "LinkRig.h"
#include "link/RecorderControl.h"

namespace parlhora {

namespace {

constexpr int kToolMs = 10000;

struct Command {
  qint64 atMs;
  QString word;
};

// The commands the fake recorder logged, without its own start and quit.
std::vector<Command> commandsIn(const QString& logFile) {
  std::vector<Command> commands;
  QFile file(logFile);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return commands;
  for (const QString& line : QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts)) {
    const QString word = line.section(' ', 1);
    if (!word.startsWith(QStringLiteral("start")) && word != QStringLiteral("quit"))
      commands.push_back({line.section(' ', 0, 0).toLongLong(), word});
  }
  return commands;
}

QStringList words(const std::vector<Command>& commands) {
  QStringList list;
  for (const Command& c : commands) list << c.word;
  return list;
}

QString writeScript(const QTemporaryDir& folder, const QString& name, const QString& body) {
  const QString path = folder.filePath(name);
  QFile file(path);
  file.open(QIODevice::WriteOnly);
  file.write(("#!/bin/sh\n" + body + "\n").toUtf8());
  file.setPermissions(file.permissions() | QFile::ExeOwner);
  return path;
}

struct RecorderRig : LinkRig {
  RecorderRig() { logFile = folder.filePath(QStringLiteral("recorder.log")); }
  QStringList recorderArgs(const QStringList& extra = {}) const {
    return QStringList{"--name", channel.name(), "--log", logFile} + extra;
  }
  RecorderControl& control() { return *service.recorder(); }
  QString logFile;
};

}  // namespace

TEST(RecorderControl, RunningRecorderRecordsAndStopsAndStaysOpen) {
  RecorderRig rig;
  rig.recorderPath = QFile::encodeName(ToolProcess::path(QStringLiteral("fake-recorder")));
  ToolProcess recorder(QStringLiteral("fake-recorder"), rig.recorderArgs());
  ASSERT_TRUE(recorder.waitFor(QStringLiteral("start"), kToolMs)) << recorder.output().toStdString();

  rig.service.recorderStart();
  EXPECT_TRUE(rig.control().alreadyRunning());
  EXPECT_EQ(rig.control().status(), QStringLiteral("Tallisto record"));
  rig.service.recorderStopAndClose();
  EXPECT_EQ(rig.control().status(), QStringLiteral("Tallisto stop"));
  runEventsUntil([] { return false; }, RecorderControl::kCloseAfterMs + 300);
  EXPECT_TRUE(recorder.running());
  EXPECT_EQ(words(commandsIn(rig.logFile)), QStringList({"record", "stop"}));
}

TEST(RecorderControl, LaunchedRecorderIsClosedASecondAfterStop) {
  RecorderRig rig;
  const QString fake = ToolProcess::path(QStringLiteral("fake-recorder"));
  rig.recorderPath =
      QFile::encodeName(writeScript(rig.folder, QStringLiteral("tallisto"),
                                    QStringLiteral("exec '%1' --name '%2' --log '%3' >/dev/null")
                                        .arg(fake, rig.channel.name(), rig.logFile)));

  rig.service.recorderStart();
  EXPECT_FALSE(rig.control().alreadyRunning());
  EXPECT_EQ(rig.control().status(), QStringLiteral("Tallisto record"));
  rig.service.recorderStopAndClose();
  EXPECT_EQ(rig.control().status(), QStringLiteral("Tallisto close"));

  const std::vector<Command> commands = commandsIn(rig.logFile);
  ASSERT_EQ(words(commands), QStringList({"record", "stop", "close"}));
  EXPECT_GE(commands[2].atMs - commands[1].atMs, RecorderControl::kCloseAfterMs - 50);
  EXPECT_TRUE(runEventsUntil([&] { return !rig.channel.find(); }, kToolMs));
}

TEST(RecorderControl, FailuresAreShownAndBeeped) {
  const struct {
    const char* name;
    const char* script;   // recorder path: a script with this body; null = no file
    bool silentRecorder;  // a recorder that takes commands but never answers runs
    const char* status;
    int beeps;
  } cases[] = {
      {"missing path", nullptr, false, "Tallistopfad-Fehler", 1},
      {"never comes up", "exit 0", false, "Tallisto nicht gefunden!", 1},
      {"no answer", "exit 0", true, "Tallisto antwort nicht", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    RecorderRig rig;
    rig.recorderPath = c.script
                           ? QFile::encodeName(writeScript(rig.folder, QStringLiteral("tallisto"), c.script))
                           : QFile::encodeName(rig.folder.filePath(QStringLiteral("none")));
    std::unique_ptr<ToolProcess> recorder;
    if (c.silentRecorder) {
      recorder =
          std::make_unique<ToolProcess>(QStringLiteral("fake-recorder"), rig.recorderArgs({"--silent"}));
      ASSERT_TRUE(recorder->waitFor(QStringLiteral("start"), kToolMs));
    }
    rig.service.recorderStart();
    EXPECT_EQ(rig.control().status(), QString::fromUtf8(c.status));
    EXPECT_EQ(rig.notifier.beeps, c.beeps);
    EXPECT_TRUE(rig.log.contains(QString::fromUtf8(c.status)));
    // Nothing was recording, so the end has nothing to stop.
    const QString shown = rig.control().status();
    rig.service.recorderStopAndClose();
    EXPECT_EQ(rig.control().status(), shown);
  }
}

TEST(RecorderControl, EveryRecordGetsItsStopAlsoAfterASafetyReset) {
  RecorderRig rig;
  rig.options.record = true;
  rig.recorderPath = QFile::encodeName(ToolProcess::path(QStringLiteral("fake-recorder")));
  ToolProcess recorder(QStringLiteral("fake-recorder"), rig.recorderArgs());
  ASSERT_TRUE(recorder.waitFor(QStringLiteral("start"), kToolMs));

  rig.sequencer.Button1Click();
  ASSERT_TRUE(rig.sequencer.busy());
  rig.sequencer.onPlaybackFailure();
  EXPECT_FALSE(rig.sequencer.busy());
  EXPECT_FALSE(rig.keying.keyed);
  EXPECT_EQ(words(commandsIn(rig.logFile)), QStringList({"record", "stop"}));

  rig.sequencer.Button1Click();
  ASSERT_TRUE(rig.finishAnnouncement());
  EXPECT_EQ(words(commandsIn(rig.logFile)), QStringList({"record", "stop", "record", "stop"}));
  EXPECT_TRUE(recorder.running());
}

static QString launchScript(RecorderRig& rig) {
  return writeScript(
      rig.folder, QStringLiteral("tallisto"),
      QStringLiteral("exec '%1' --name '%2' --log '%3' >/dev/null")
          .arg(ToolProcess::path(QStringLiteral("fake-recorder")), rig.channel.name(), rig.logFile));
}

TEST(RecorderControl, PlayDuringTheClosingPauseStillPairsRecordAndStop) {
  RecorderRig rig;
  rig.options.record = true;
  rig.recorderPath = QFile::encodeName(launchScript(rig));
  rig.service.startLink();
  std::unique_ptr<ToolProcess> partner;
  bool asked = false;
  rig.sequencer.setStatusSink([&](const QString& text) {
    rig.setStatus(text);
    // The partner asks while our own announcement rests in its closing pause.
    if (text == QStringLiteral("PARLHORA DONE") && !asked) {
      asked = true;
      partner = std::make_unique<ToolProcess>(
          QStringLiteral("simplex-peer"),
          rig.peerArgs({"send", "PIROLO_PLAY", "expect", "PIROLO_DONE", "10000"}));
    }
  });
  rig.sequencer.Button1Click();
  ASSERT_TRUE(rig.finishAnnouncement());
  ASSERT_TRUE(asked);
  ASSERT_TRUE(runEventsUntil([&] { return rig.sequencer.busy() || !partner->running(); }, kToolMs));
  ASSERT_TRUE(rig.finishAnnouncement());
  ASSERT_TRUE(partner->finish(kToolMs)) << partner->output().toStdString();
  EXPECT_EQ(partner->exitCode(), 0) << partner->output().toStdString();
  // The recorder we launched is closed once the last recording is stopped.
  EXPECT_TRUE(runEventsUntil([&] { return words(commandsIn(rig.logFile)).size() == 5; }, kToolMs));
  EXPECT_EQ(words(commandsIn(rig.logFile)), QStringList({"record", "stop", "record", "stop", "close"}));
}

TEST(RecorderControl, ProgramCloseStopsTheRecordingAndClosesALaunchedRecorder) {
  RecorderRig rig;
  rig.recorderPath = QFile::encodeName(launchScript(rig));
  rig.service.recorderStart();
  ASSERT_EQ(rig.control().status(), QStringLiteral("Tallisto record"));
  EXPECT_TRUE(rig.control().launched());
  rig.service.stopLink();
  EXPECT_EQ(words(commandsIn(rig.logFile)), QStringList({"record", "stop", "close"}));
  EXPECT_FALSE(rig.control().launched());
  EXPECT_TRUE(runEventsUntil([&] { return !rig.channel.find(); }, kToolMs));
}

}  // namespace parlhora
