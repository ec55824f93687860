#include "cli/SayCommand.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <memory>

#include "app/DaySchedule.h"
#include "app/ParlhoraCore.h"
#include "app/SettingsFile.h"
#include "cli/DryRunPlatform.h"
#include "weather/SourceController.h"
#include "cli/SystemTimeZone.h"
#include "platform/LogNotifier.h"
#include "platform/VirtualClock.h"
#include "platform/backends/PosixSettingsStore.h"
#include "platform/backends/SystemPlatform.h"
#include "platform/backends/TerminationSignals.h"

namespace parlhora {

namespace {

struct SayOptions {
  QDateTime at;
  bool dryRun = false;
  QString outFile;
  QString error;
};

SayOptions parseSay(const QStringList& args) {
  SayOptions options;
  for (int i = 0; i < args.size(); ++i) {
    const QString& word = args[i];
    if (word == "--at" && i + 1 < args.size()) {
      options.at = QDateTime::fromString(args[++i], "yyyy-MM-dd hh:mm");
      if (!options.at.isValid()) options.error = "--at wants \"YYYY-MM-DD hh:mm\"";
    } else if (word == "--dry-run") {
      options.dryRun = true;
    } else if (word == "--out" && i + 1 < args.size()) {
      options.outFile = args[++i];
    } else {
      options.error = QString("say: unexpected argument: %1").arg(word);
    }
  }
  if (options.dryRun && !options.outFile.isEmpty())
    options.error = "say: --dry-run and --out exclude each other";
  return options;
}

// Runs one announcement on `clock` until it is over (or a generous bound
// passes: a stuck one is ended by the safety reset long before).
bool announce(ParlhoraCore& core, Clock& clock, const QDateTime& at, bool& failed, bool& announcing,
              const std::function<void(int)>& advance, QTextStream& err, const bool* stopped = nullptr) {
  core.status().addListener([&](const QString& text) {
    if (text.startsWith("Err") || text.startsWith("Feh") || text.startsWith("feh")) failed = true;
  });
  core.LoadSettings();
  // The chosen source was refreshed at load; a download must end before
  // its weather can be spoken.
  if (SourceController* source = core.weather().source(core.weather().chosen())) source->waitUntilIdle();
  core.announcer().scheduler().stop();
  SerialControl& serial = core.announcer().serial();
  // The program announces unkeyed while its port is away; a one-shot run
  // asked to key is a failure and says why.
  if (serial.portMissing()) {
    err << "say: " << serial.faultText() << Qt::endl;
    core.FormClose();
    return false;
  }
  // One reading of the lines, as the tick would have made: a carrier with
  // the DCD box on must hold this announcement back too.
  core.announcer().serial().poll();
  core.announcer().sequencer().setTime(SpokenTime::from(at.isValid() ? at : clock.now()));
  announcing = true;
  core.announcer().sequencer().Button1Click();
  const std::int64_t limit = clock.monotonicMs() + 10 * 60 * 1000;
  while (core.announcer().sequencer().busy() && clock.monotonicMs() < limit && !(stopped && *stopped))
    advance(50);
  const bool ended = !core.announcer().sequencer().busy() && core.status().text() == "PARLHORA DONE";
  const bool keyFailed = serial.keyFailed();
  core.FormClose();
  if (keyFailed) err << "say: COM-Port " << serial.portName() << ": PTT could not be keyed" << Qt::endl;
  if (stopped && *stopped) {
    err << "say: stopped by a signal, transmitter unkeyed" << Qt::endl;
    return false;
  }
  return ended && !failed && !keyFailed;
}

}  // namespace

int runSayCommand(const QStringList& args, const QString& programFolder, QTextStream& out, QTextStream& err) {
  const SayOptions options = parseSay(args);
  if (!options.error.isEmpty()) {
    err << options.error << Qt::endl;
    return 2;
  }
  const bool virtualRun = options.dryRun || !options.outFile.isEmpty();
  // Only the announcement's own events: reading the weather before it
  // waits and polls too.
  bool announcing = false;
  auto print = [&](const QString& line) {
    if (options.dryRun && announcing) out << line << Qt::endl;
  };

  // A beep or a box ("Fehler: COM-Port") means the announcement did not go
  // out as configured.
  bool failed = false;
  LogNotifier notifier([&](const QString& line) {
    err << line << Qt::endl;
    failed = true;
  });
  // A one-shot core never saves the settings, keeps no log and leaves
  // autostart alone; like a start, it puts a missing kuckoo.wav in place.
  ParlhoraCore::Options coreOptions;
  coreOptions.settingsExisted = QFileInfo::exists(QDir(programFolder).filePath("parlhora.ini"));
  coreOptions.oneShot = true;

  if (virtualRun) {
    const QDateTime start = options.at.isValid() ? options.at : QDateTime::currentDateTime();
    DryRunPlatform platform(programFolder, start, options.outFile, print);
    VirtualClock& clock = platform.virtualClock();
    ParlhoraCore core(platform.set(notifier), coreOptions);
    core.status().addListener([&](const QString& text) { print("status " + text); });
    core.announcer().setPieceObserver([&](WaveOrigin origin, const QString& what) {
      if (origin == WaveOrigin::Morse)
        print("cw " + what);
      else
        print(origin == WaveOrigin::Resource ? "piece " + what.toLower() : "file " + what);
    });
    const bool ok = announce(
        core, clock, start, failed, announcing, [&](int ms) { clock.runFor(ms); }, err);
    if (platform.file() && !platform.file()->finish()) {
      err << "say: cannot write " << options.outFile << Qt::endl;
      return 1;
    }
    return ok ? 0 : 1;
  }

  SystemPlatform system(programFolder, programFolder, {});
  // One announcement has no simplex link, and the running program receives
  // the station: the announcement reads its kept file.
  PlatformSet set = system.oneShotSet(notifier);
  ParlhoraCore core(set, coreOptions);
  core.status().addListener([&](const QString& text) { out << text << Qt::endl; });
  // As the program does: unkey first, then end.
  bool stopped = false;
  TerminationSignals termination([&] {
    stopped = true;
    core.announcer().stopAnnouncements();
    // Ends the wait the signal arrived in, and every later one.
    QCoreApplication::exit(1);
  });
  const bool ok = announce(
      core, system.clock, options.at, failed, announcing, [&](int ms) { system.clock.waitMs(ms); }, err, &stopped);
  return ok ? 0 : 1;
}

int runScheduleCommand(const QStringList& args, const QString& programFolder, QTextStream& out,
                       QTextStream& err) {
  QDate date = QDate::currentDate();
  for (int i = 0; i < args.size(); ++i) {
    if (args[i] == "--date" && i + 1 < args.size()) {
      date = QDate::fromString(args[++i], "yyyy-MM-dd");
      if (!date.isValid()) {
        err << "schedule: --date wants YYYY-MM-DD" << Qt::endl;
        return 2;
      }
    } else {
      err << "schedule: unexpected argument: " << args[i] << Qt::endl;
      return 2;
    }
  }
  AnnouncerSettings settings;
  PosixSettingsStore store(programFolder);
  const auto file = store.read();
  if (file.status == SettingsStore::ReadStatus::Failed) {
    err << "schedule: cannot read parlhora.ini: " << file.error << Qt::endl;
    return 1;
  }
  if (file.status == SettingsStore::ReadStatus::Ok)
    SettingsFile::load(file.bytes, settings, [](const QByteArray&) { return false; });
  takeSystemTimeZoneOnce();
  for (const QString& time : DaySchedule::run(settings.schedule, date)) out << time << Qt::endl;
  return 0;
}

}  // namespace parlhora
