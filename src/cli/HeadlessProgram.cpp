#include "cli/HeadlessProgram.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>
#include <cstdio>

#include "app/ParlhoraCore.h"
#include "platform/LogNotifier.h"
#include "platform/backends/InstanceLock.h"
#include "platform/backends/SystemPlatform.h"
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
  QTextStream out(stdout);
  ParlhoraCore* corePointer = nullptr;
  LogNotifier notifier([&](const QString& line) {
    if (corePointer)
      corePointer->log().AppendLogLine(line);
    else
      out << line << Qt::endl;
  });
  ParlhoraCore::Options options;
  options.settingsExisted = QFileInfo::exists(QDir(folder).filePath("parlhora.ini"));
  options.logExisted = QFileInfo::exists(QDir(folder).filePath("parlhora.log"));
  ParlhoraCore core(system.set(notifier), options);
  corePointer = &core;
  core.log().setEcho([&](const QString& line) { out << line << Qt::endl; });
  core.status().addListener([&](const QString& text) { out << text << Qt::endl; });
  out << "Parlhora headless, program folder " << folder << Qt::endl;

  // Shut down at once, not after the wait the signal may have interrupted:
  // the transmitter is unkeyed before anything else happens.
  TerminationSignals termination([&core] {
    core.FormClose();
    QCoreApplication::quit();
  });
  core.FormCreate();
  const int status = QCoreApplication::exec();
  core.FormClose();
  return status;
}

}  // namespace parlhora
