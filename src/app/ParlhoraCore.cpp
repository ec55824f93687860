#include "app/ParlhoraCore.h"

#include <QDir>

#include "app/ProgramFiles.h"
#include "app/SettingsFile.h"
#include "app/Version.h"
#include "platform/Autostart.h"
#include "platform/Notifier.h"
#include "platform/SettingsStore.h"

namespace parlhora {

ParlhoraCore::ParlhoraCore(PlatformSet platform, Options options)
    : platform_(platform),
      options_(options),
      log_(platform.clock,
           options.oneShot ? QString() : QDir(platform.programFolder).filePath("parlhora.log")),
      settingsService_(platform.settingsStore, platform.notifier,
                       SettingsService::probeIn(platform.programFolder),
                       [this](const QString& text) { status_.set(text); }),
      cooperation_(platform.clock, platform.notifier, platform.sharedLink, platform.recorder,
                   settings_.mainWindow.recorderPath),
      weather_(platform_, settings_, log_, [this] { return announcer_.sequencer().busy(); }),
      announcer_(platform_, settings_, status_, log_, weather_.speech(), cooperation_, cooperation_),
      update_(platform.notifier, platform.programFolder, QString::fromLatin1(kVersion), weather_.network().manager()) {
  cooperation_.attach(announcer_.sequencer());
  cooperation_.setWiring({[this] { return status_.text(); }, [this](const QString& text) { status_.set(text); },
                          // Before the load a line would rewrite parlhora.log without its old lines.
                          [this](const QString& text) {
                            if (loaded()) log_.AppendLogLine(text);
                          },
                          [this] { return linkSuffixInFile(); }});
  announcer_.setLoadSettings([this] { LoadSettings(); });
  announcer_.setHourlyLog([this](int hour, int minute) { return weather_.hourlyLog(hour, minute); });
  SerialControl& serial = announcer_.serial();
  Scheduler& scheduler = announcer_.scheduler();
  weather_.setClockView({[&serial] { return serial.portList(); }, [&serial] { return serial.portName(); },
                         [&scheduler] { return scheduler.editTime(); }});
}

ParlhoraCore::~ParlhoraCore() = default;

// The link starts before the first tick loads the settings; its names
// cannot wait for that.
QString ParlhoraCore::linkSuffixInFile() const {
  const SettingsStore::ReadResult file = platform_.settingsStore.read();
  if (file.status != SettingsStore::ReadStatus::Ok) return {};
  AnnouncerSettings peek;
  SettingsFile::load(file.bytes, peek, [](const QByteArray&) { return false; });
  return QString::fromLatin1(peek.mainWindow.simplexSuffix);
}

void ParlhoraCore::FormCreate() {
  cooperation_.startLink();
  announcer_.start();
}

void ParlhoraCore::LoadSettings() {
  if (closed_) return;
  announcer_.stopTick();
  // Before anything can log: a line appended to an empty list would
  // rewrite the file without the old lines.
  if (options_.logExisted) log_.load();
  if (!options_.oneShot && !log_.fileUsable()) status_.set("Fehler: parlhora.log ist keine Datei");
  if (options_.settingsExisted) {
    loadReport_ = settingsService_.LoadSettings(settings_);
    if (!settingsService_.readError().isEmpty()) {
      holdImplicitSaves_ = true;
      platform_.notifier.beep();
      status_.set("Fehler: parlhora.ini");
      log_.AppendLogLine("Fehler: parlhora.ini: " + settingsService_.readError());
    }
  }
  announcer_.loadPort(loadReport_);
  // The port's error box runs events: the program may have closed meanwhile.
  if (closed_) return;
  if (loadReport_.autostartRead && settings_.mainWindow.autostart && !options_.oneShot) {
    platform_.autostart.setEnabled(true);
  }
  // The default greeting, "Wave ext" and the help menu need their files.
  ProgramFiles::installMissing(platform_.programFolder);
  weather_.load();
  if (closed_) return;
  announcer_.loadSound();
  // In the background: the first announcement never waits for it.
  if (!options_.oneShot) update_.load(settings_.mainWindow.checkVersion);
  announcer_.finishLoad();
  emit settingsLoaded();
  announcer_.startTick();
}

bool ParlhoraCore::SaveSettings() {
  if (beforeSave_) beforeSave_();
  const bool saved = settingsService_.SaveSettings(settings_);
  if (saved) holdImplicitSaves_ = false;
  return saved;
}

void ParlhoraCore::FormClose() {
  if (closed_) return;
  closed_ = true;
  // Before the settings were loaded the models hold defaults, not the
  // user's choices: saving them then would destroy the file.
  const bool save = !options_.oneShot && !holdImplicitSaves_ && loaded();
  announcer_.stopAnnouncements();
  if (save) SaveSettings();
  // After the save every step is on its own: a failure must not keep the
  // window from closing.
  weather_.close();
  announcer_.release();
  cooperation_.stopLink();
}

void ParlhoraCore::saveOnMinimise() {
  // Before the first tick the models hold defaults, not the file.
  if (!holdImplicitSaves_ && loaded()) SaveSettings();
}

void ParlhoraCore::setAutostart(bool enabled) {
  settings_.mainWindow.autostart = enabled;
  if (!options_.oneShot) platform_.autostart.setEnabled(enabled);
}

}  // namespace parlhora
