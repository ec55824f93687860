#include "cli/HeadlessProgram.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>
#include <cstdio>

#include <QElapsedTimer>

#include "app/ParlhoraCore.h"
#include "cli/HeadlessReport.h"
#include "platform/LogNotifier.h"
#include "platform/backends/InstanceLock.h"
#include "platform/backends/SystemPlatform.h"
#include "platform/backends/SystemdNotifier.h"
#include "platform/backends/TerminationSignals.h"

namespace parlhora {

int runHeadless(const QString& home, const QString& program, const QStringList& autostartArguments) {
  SystemPlatform system(home, program, autostartArguments);
  const QString folder = system.paths.programFolder();
  // A second program on one folder would announce twice and race the save.
  InstanceLock lock(folder);
  if (lock.heldElsewhere()) {
    QTextStream(stderr) << "parlhora: already running on the program folder " << folder << Qt::endl;
    return 1;
  }
  QTextStream stdOut(stdout);
  // Every line with its time, so the journal and a plain redirect agree.
  const auto print = [&stdOut](const QString& line) {
    const QDateTime now = QDateTime::currentDateTime();
    stdOut << now.toOffsetFromUtc(now.offsetFromUtc()).toString(Qt::ISODate) << ' ' << line << Qt::endl;
  };
  ParlhoraCore* corePointer = nullptr;
  LogNotifier notifier([&](const QString& line) {
    if (corePointer)
      corePointer->log().AppendLogLine(line);
    else
      print(line);
  });
  ParlhoraCore::Options options;
  options.settingsExisted = QFileInfo::exists(QDir(folder).filePath("parlhora.ini"));
  options.logExisted = QFileInfo::exists(QDir(folder).filePath("parlhora.log"));
  ParlhoraCore core(system.set(notifier), options);
  corePointer = &core;
  core.log().setEcho(print);
  core.status().addListener(print);
  print("Parlhora headless, program folder " + folder);
  // Without windows a newer version is told in the log.
  QObject::connect(&core.update().check(), &VersionCheck::notice,
                   [&core](const QString& text, bool) { core.log().AppendLogLine(text); });
  SystemdNotifier systemd;
  QObject::connect(&core, &ParlhoraCore::settingsLoaded, [&] {
    for (const QString& line : HeadlessReport::startLines(core, QDateTime::currentDateTime())) print(line);
    systemd.ready();
  });
  // From the tick itself: a core that hangs stops the pings, and systemd
  // restarts it.
  QObject::connect(&core.announcer(), &AnnouncerService::clockTextsChanged,
                   [&] { systemd.tick(system.clock.monotonicMs()); });
  // One line per announcement start and end, with how long it was keyed.
  QElapsedTimer announcement, keyed;
  qint64 keyedMs = 0;
  bool wasBusy = false, wasKeyed = false;
  QObject::connect(&core.announcer(), &AnnouncerService::linesChanged, [&] {
    const bool now = core.announcer().serial().indicators().transmitting;
    if (now && !wasKeyed) keyed.start();
    if (!now && wasKeyed) keyedMs += keyed.elapsed();
    wasKeyed = now;
  });
  QObject::connect(&core.announcer(), &AnnouncerService::busyChanged, [&] {
    const bool busy = core.announcer().sequencer().busy();
    if (busy && !wasBusy) {
      announcement.start();
      keyedMs = 0;
      print("Ansage beginnt");
    } else if (!busy && wasBusy) {
      if (wasKeyed) keyedMs += keyed.restart();
      print(QStringLiteral("Ansage endet nach %1 s, PTT %2 s")
                .arg(announcement.elapsed() / 1000.0, 0, 'f', 1)
                .arg(keyedMs / 1000.0, 0, 'f', 1));
    }
    wasBusy = busy;
  });

  // Shut down at once, not after the wait the signal may have interrupted:
  // the transmitter is unkeyed before anything else happens.
  TerminationSignals termination([&core, &systemd] {
    systemd.stopping();
    core.FormClose();
    QCoreApplication::quit();
  });
  core.FormCreate();
  const int status = QCoreApplication::exec();
  systemd.stopping();
  core.FormClose();
  return status;
}

}  // namespace parlhora
