#include "app/ParlhoraCore.h"

#include <QDir>

#include "app/ProgramFiles.h"
#include "platform/Autostart.h"
#include "platform/Notifier.h"

namespace parlhora {

ParlhoraCore::ParlhoraCore(PlatformSet platform, Options options)
    : platform_(platform),
      options_(options),
      log_(platform.clock,
           options.oneShot ? QString() : QDir(platform.programFolder).filePath("parlhora.log")),
      settingsService_(platform.settingsStore, platform.notifier,
                       SettingsService::probeIn(platform.programFolder),
                       [this](const QString& text) { status_.set(text); }),
      engine_(platform.waveOut, platform.clock, platform.notifier),
      serial_(platform.serialLines, platform.notifier, settings_.lines),
      keying_(serial_),
      cooperation_(sequencer_, platform.clock, platform.notifier, platform.sharedLink, platform.recorder,
                   settings_.mainWindow.recorderPath),
      sequencer_(engine_, platform.clock, keying_, cooperation_, noWeather_, settings_.announcement),
      scheduler_(platform.clock, settings_.schedule, settings_.announcement),
      soundCard_(platform.waveOut, platform.notifier),
      jingles_(settings_.announcement, platform.notifier) {
  engine_.setProgramFolder(platform_.programFolder);
  engine_.setEvents(sequencer_.engineEvents());
  sequencer_.setStatusSink([this](const QString& text) { status_.set(text); });
  sequencer_.setStateChanged([this] { notifyChanged(); });
  sequencer_.setLoading(true);
  cooperation_.setWiring({[this] { return status_.text(); },
                          [this](const QString& text) { status_.set(text); },
                          // Before the load a line would rewrite parlhora.log without its old lines.
                          [this](const QString& text) {
                            if (loaded()) log_.AppendLogLine(text);
                          }});

  serial_.startAnnouncement = [this] { sequencer_.Button1Click(); };
  serial_.busy = [this] { return sequencer_.busy(); };
  serial_.changed = [this] { notifyChanged(); };
  serial_.logLine = [this](const QString& text) { log_.AppendLogLine(text); };

  Scheduler::Wiring wiring = Scheduler::wiringFor(sequencer_);
  wiring.loadSettings = [this] { LoadSettings(); };
  wiring.readBackVolume = [this] { readBackVolume(); };
  wiring.pollLines = [this] { serial_.poll(); };
  // The hourly weather line needs the Monitor II source; until it exists
  // there is nothing to log.
  wiring.hourlyLog = [](int, int) { return false; };
  scheduler_.setWiring(std::move(wiring));
  scheduler_.setChanged([this] { notifyChanged(); });
}

ParlhoraCore::~ParlhoraCore() {
  // Whatever happened before, the transmitter must not stay keyed.
  sequencer_.shutdown();
}

void ParlhoraCore::FormCreate() {
  cooperation_.startLink();
  serial_.ListSerialPorts();
  scheduler_.start();
}

void ParlhoraCore::LoadSettings() {
  if (closed_) return;
  scheduler_.stop();
  // Before anything can log: a line appended to an empty list would
  // rewrite the file without the old lines.
  if (options_.logExisted) log_.load();
  if (options_.settingsExisted) {
    loadReport_ = settingsService_.LoadSettings(settings_);
    if (!settingsService_.readError().isEmpty()) {
      holdImplicitSaves_ = true;
      platform_.notifier.beep();
      status_.set("Fehler: parlhora.ini");
      log_.AppendLogLine("Fehler: parlhora.ini: " + settingsService_.readError());
    }
  }
  scheduler_.hourMenus().loadHours(settings_.schedule.startHour, settings_.schedule.endHour);
  if (loadReport_.portRead) serial_.applyPortSetting();
  // The port's error box runs events: the program may have closed meanwhile.
  if (closed_) return;
  if (loadReport_.autostartRead && settings_.mainWindow.autostart && !options_.oneShot) {
    platform_.autostart.setEnabled(true);
  }

  // The default greeting, "Wave ext" and the help menu need their files.
  ProgramFiles::installMissing(platform_.programFolder);
  engine_.Alloc_Mem();
  engine_.setDevice(settings_.sound.device);
  soundCard_.syncChoice(settings_.sound.device);
  scheduler_.UpDownPeriodeMouseDown();
  // Our backend keeps the device volume itself: give it the stored one
  // before the first read-back, or every restart would lose it.
  engine_.applyStoredVolume(settings_.sound);
  readBackVolume();
  serial_.FormShow();

  sequencer_.setLoading(false);
  if (onLoaded) onLoaded();
  scheduler_.start();
  notifyChanged();
}

bool ParlhoraCore::SaveSettings() {
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
  scheduler_.stop();
  sequencer_.shutdown();
  // Nothing starts any more, whatever still arrives (a line, a click).
  sequencer_.setLoading(true);
  engine_.clearFlags();
  if (save) SaveSettings();
  // After the save every step is on its own: a failure must not keep the
  // window from closing.
  engine_.closeDevice();
  engine_.Free_unlock();
  serial_.ClosePortLines();
  cooperation_.stopLink();
}

void ParlhoraCore::saveOnMinimise() {
  if (!holdImplicitSaves_) SaveSettings();
}

void ParlhoraCore::setAutostart(bool enabled) {
  settings_.mainWindow.autostart = enabled;
  if (!options_.oneShot) platform_.autostart.setEnabled(enabled);
}

void ParlhoraCore::setSoundDevice(int device) {
  settings_.sound.device = device;
  engine_.setDevice(device);
  // Each output keeps its own level; a device chosen for the first time
  // would otherwise start at full volume and overdrive the transmitter.
  engine_.applyStoredVolume(settings_.sound);
}

void ParlhoraCore::ButtonPlayWaveClick() {
  if (!sequencer_.busy()) engine_.PlayWaveFile("kuckoo.wav");
}

void ParlhoraCore::ButtonPlayWaveResClick() {
  if (!sequencer_.busy()) engine_.PlayWaveRes("son0");
}

void ParlhoraCore::TrackBarVolumeChange(int position) {
  settings_.sound.volume = position;
  engine_.TrackBarVolumeChange(position, settings_.sound.balance);
}

void ParlhoraCore::readBackVolume() {
  const auto reading = engine_.readBack(settings_.sound.volume, settings_.sound.balance);
  if (!reading.changed) return;
  settings_.sound.volume = reading.position;
  settings_.sound.balance = reading.balance;
  notifyChanged();
}

void ParlhoraCore::setPieceObserver(std::function<void(WaveOrigin, const QString&)> observer) {
  engine_.setEvents(sequencer_.engineEvents(std::move(observer)));
}

void ParlhoraCore::notifyChanged() {
  if (onChanged) onChanged();
}

}  // namespace parlhora
