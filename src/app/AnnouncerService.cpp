#include "app/AnnouncerService.h"

#include "app/LogList.h"
#include "app/SettingsService.h"
#include "app/StatusLine.h"

namespace parlhora {

AnnouncerService::AnnouncerService(PlatformSet& platform, AnnouncerSettings& settings, StatusLine& status,
                                   LogList& log, WeatherSpeech& weather, PartnerLink& link,
                                   RecorderHooks& recorder)
    : platform_(platform),
      settings_(settings),
      engine_(platform.waveOut, platform.clock, platform.notifier),
      serial_(platform.serialLines, platform.notifier, settings.lines),
      keying_(serial_),
      sequencer_(engine_, platform.clock, keying_, link, recorder, weather, settings.announcement),
      scheduler_(platform.clock, settings.schedule, settings.announcement),
      soundCard_(platform.waveOut, platform.notifier),
      jingles_(settings.announcement, platform.notifier),
      portRetry_(platform.clock, [this] { serial_.retryOpen(); }),
      stationId_(settings.cwid, platform.clock) {
  engine_.setProgramFolder(platform_.programFolder);
  sequencer_.setIdentification(&stationId_);
  engine_.setEvents(sequencer_.engineEvents());
  sequencer_.setStatusSink([this, &status](const QString& text) {
    status.set(text);
    // An announcement without its port goes out unkeyed: say so.
    if (serial_.portMissing() && !status.showsError()) status.set(serial_.faultText());
  });
  sequencer_.setLogSink([&log](const QString& text) { log.AppendLogLine(text); });
  sequencer_.setStateChanged([this] { emit busyChanged(); });
  sequencer_.setLoading(true);

  serial_.startAnnouncement = [this] { sequencer_.Button1Click(); };
  serial_.busy = [this] { return sequencer_.busy(); };
  serial_.changed = [this] { emit linesChanged(); };
  serial_.logLine = [&log](const QString& text) { log.AppendLogLine(text); };
  serial_.statusLine = [&status](const QString& text) { status.set(text); };

  Scheduler::Wiring wiring = Scheduler::wiringFor(sequencer_);
  wiring.loadSettings = [this] {
    if (loadSettings_) loadSettings_();
  };
  wiring.readBackVolume = [this] { readBackVolume(); };
  wiring.pollLines = [this] { serial_.poll(); };
  wiring.hourlyLog = [this](int hour, int minute) { return hourlyLog_ ? hourlyLog_(hour, minute) : false; };
  scheduler_.setWiring(std::move(wiring));
  scheduler_.setChanged([this] { emit clockTextsChanged(); });
}

AnnouncerService::~AnnouncerService() {
  // Whatever happened before, the transmitter must not stay keyed.
  sequencer_.shutdown();
}

void AnnouncerService::setLoadSettings(std::function<void()> load) { loadSettings_ = std::move(load); }

void AnnouncerService::setHourlyLog(std::function<bool(int, int)> hourlyLog) { hourlyLog_ = std::move(hourlyLog); }

void AnnouncerService::start() {
  serial_.ListSerialPorts();
  scheduler_.start();
  portRetry_.start(SerialControl::kRetryMs);
}

void AnnouncerService::loadPort(const LoadReport& report) {
  scheduler_.hourMenus().loadHours(settings_.schedule.startHour, settings_.schedule.endHour);
  if (report.portRead) serial_.applyPortSetting();
}

void AnnouncerService::loadSound() {
  engine_.Alloc_Mem();
  engine_.setDevice(settings_.sound.device);
  soundCard_.syncChoice(settings_.sound.device);
  scheduler_.UpDownPeriodeMouseDown();
  // Our backend keeps the device volume itself: give it the stored one
  // before the first read-back, or every restart would lose it.
  engine_.applyStoredVolume(settings_.sound);
  readBackVolume();
}

void AnnouncerService::finishLoad() {
  serial_.FormShow();
  sequencer_.setLoading(false);
  emit linesChanged();
  emit busyChanged();
}

void AnnouncerService::stopAnnouncements() {
  scheduler_.stop();
  portRetry_.stop();
  sequencer_.shutdown();
  // Nothing starts any more, whatever still arrives (a line, a click).
  sequencer_.setLoading(true);
  engine_.clearFlags();
}

void AnnouncerService::release() {
  engine_.closeDevice();
  engine_.Free_unlock();
  serial_.ClosePortLines();
}

void AnnouncerService::setSoundDevice(int device) {
  settings_.sound.device = device;
  engine_.setDevice(device);
  // Each output keeps its own level; a device chosen for the first time
  // would otherwise start at full volume and overdrive the transmitter.
  engine_.applyStoredVolume(settings_.sound);
}

void AnnouncerService::ButtonPlayWaveClick() {
  if (!sequencer_.busy()) engine_.PlayWaveFile("kuckoo.wav");
}

void AnnouncerService::ButtonPlayWaveResClick() {
  if (!sequencer_.busy()) engine_.PlayWaveRes("son0");
}

void AnnouncerService::TrackBarVolumeChange(int position) {
  settings_.sound.volume = position;
  engine_.TrackBarVolumeChange(position, settings_.sound.balance);
}

void AnnouncerService::readBackVolume() {
  const auto reading = engine_.readBack(settings_.sound.volume, settings_.sound.balance);
  if (!reading.changed) return;
  settings_.sound.volume = reading.position;
  settings_.sound.balance = reading.balance;
  emit volumeChanged();
}

void AnnouncerService::setPieceObserver(std::function<void(WaveOrigin, const QString&)> observer) {
  engine_.setEvents(sequencer_.engineEvents(std::move(observer)));
}

}  // namespace parlhora
