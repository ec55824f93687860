#include "gui/WindowedProgram.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <cstdio>

#include "app/ParlhoraCore.h"
#include "app/WeatherService.h"
#include "gui/CoreBinding.h"
#include "gui/QtNotifier.h"
#include "gui/RaiseChannel.h"
#include "gui/Screenshot.h"
#include "gui/TForm1.h"
#include "gui/TFormChoixMeteo.h"
#include "gui/TFormMeteoMETAR.h"
#include "gui/TFormMyUnits.h"
#include "gui/WindowSet.h"
#include "platform/backends/InstanceLock.h"
#include "platform/backends/SystemPlatform.h"
#include "platform/backends/TerminationSignals.h"

namespace parlhora {

namespace {

// The composition root of the program with windows, in the start-up order
// of the main window: folders and flags, windows, binding, then the tick.
class WindowedProgram {
 public:
  WindowedProgram(const QString& home, const QString& program, const QStringList& autostartArguments)
      : system_(home, program, autostartArguments),
        core_(system_.set(notifier_), optionsFor(system_.paths.programFolder())),
        windows_(core_, notifier_),
        binding_(windows_, core_) {
    notifier_.setParent(&windows_.main());
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&windows_.main(), &TForm1::closing, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    core_.FormCreate();
  }

  ParlhoraCore& core() { return core_; }
  WindowSet& windows() { return windows_; }

 private:
  static ParlhoraCore::Options optionsFor(const QString& folder) {
    ParlhoraCore::Options options;
    options.settingsExisted = QFileInfo::exists(QDir(folder).filePath("parlhora.ini"));
    options.logExisted = QFileInfo::exists(QDir(folder).filePath("parlhora.log"));
    return options;
  }

  SystemPlatform system_;
  QtNotifier notifier_;
  ParlhoraCore core_;
  WindowSet windows_;
  CoreBinding binding_;
};

}  // namespace

int runWindowed(const QString& home, const QString& program, const QStringList& autostartArguments) {
  const QString folder = XdgPaths(home, QFileInfo(program).absolutePath()).programFolder();
  // A second program on one folder would announce twice and race the save.
  InstanceLock lock(folder);
  if (lock.heldElsewhere()) {
    RaiseChannel::knock(folder);
    QTextStream(stderr) << "parlhora: already running on the program folder " << folder << Qt::endl;
    return 1;
  }
  WindowedProgram windowed(home, program, autostartArguments);
  RaiseChannel raise;
  raise.listen(folder, [&windowed] {
    TForm1& main = windowed.windows().main();
    main.showNormal();
    main.raise();
    main.activateWindow();
  });
  // kill, a session's end or Ctrl+C close the main window as the user would.
  TerminationSignals termination([&windowed] { windowed.windows().main().close(); });
  const int status = QApplication::exec();
  // A quit that did not come through the main window (a session ending)
  // still saves and unkeys.
  windowed.core().FormClose();
  return status;
}

namespace {

// A fresh program folder whose METAR source reads a local report, so the
// weather window has readings to show without the network.
void prepareScreenshotHome(const QString& folder) {
  const QString report = QDir(folder).filePath("metar.txt");
  QFile metar(report);
  if (metar.open(QIODevice::WriteOnly))
    metar.write("EDDF " + QDateTime::currentDateTimeUtc().addSecs(-1800).toString("ddhhmm").toLatin1() +
                "Z 24012KT 9999 FEW030 12/06 Q1016\n");
  QFile ini(QDir(folder).filePath("parlhora.ini"));
  if (ini.open(QIODevice::WriteOnly))
    ini.write(
        "[PARLHORA V2.2.3]\r\nMETEO=METAR\r\nFORMMETEO=Y\r\nMETAR_TEMPEXT=Y\r\nMETAR_PRESATM=Y\r\n"
        "METAR_VITVENT=Y\r\nMETAR_DIRVENT=Y\r\nMETAR_HUMIDI=Y\r\nMETAR_DAT=" +
        report.toUtf8() + "\r\n");
}

bool saveScreenshotSet(WindowSet& windows, ParlhoraCore& core, const QString& folder) {
  if (SourceController* metar = core.weather().source(WeatherSource::METAR)) {
    metar->refreshNow();
    metar->waitUntilIdle();
  }
  const std::pair<QWidget*, const char*> pictures[] = {
      {&windows.main(), "main-window.png"},
      {&windows.chooser(), "source-chooser.png"},
      {&windows.units(), "units-window.png"},
      {&windows.metar(), "metar-window.png"},
  };
  bool saved = saveMainWindowScreenshot(windows.main(), QDir(folder).filePath("main-window-units.png"),
                                        QStringLiteral("menuFichier"));
  if (!saved) QTextStream(stderr) << "screenshot: could not write main-window-units.png" << Qt::endl;
  for (const auto& [window, name] : pictures) {
    const bool one = saveWindowScreenshot(*window, QDir(folder).filePath(name));
    if (!one) QTextStream(stderr) << "screenshot: could not write " << name << Qt::endl;
    saved = saved && one;
  }
  return saved;
}

}  // namespace

int runScreenshot(const QString& home, const QString& program, const QString& png, const QString& menu) {
  // Without --home the picture shows a fresh start, and nothing of the
  // user's own folder is read or written.
  QTemporaryDir fresh;
  const bool set = QFileInfo(png).isDir();
  if (set && home.isEmpty()) prepareScreenshotHome(fresh.path());
  WindowedProgram windowed(home.isEmpty() ? fresh.path() : home, program, {});
  // Exclude the moving parts of the picture: take it right after loading.
  bool saved = false;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (!windowed.core().loaded()) return;
    poll.stop();
    windowed.windows().main().show();
    saved = set ? saveScreenshotSet(windowed.windows(), windowed.core(), png)
                : saveMainWindowScreenshot(windowed.windows().main(), png, menu);
    QApplication::quit();
  });
  poll.start(100);
  QTimer::singleShot(10000, qApp, &QCoreApplication::quit);
  QApplication::exec();
  windowed.core().FormClose();
  if (!saved && !set) QTextStream(stderr) << "screenshot: could not write " << png << Qt::endl;
  return saved ? 0 : 1;
}

}  // namespace parlhora
