#include "gui/MainWindowBinding.h"

#include "app/ParlhoraCore.h"
#include "app/Version.h"
#include "gui/TForm1.h"

namespace parlhora {

namespace {
constexpr int kEscape = 27;
}  // namespace

MainWindowBinding::MainWindowBinding(TForm1& window, ParlhoraCore& core) : window_(window), core_(core) {
  connectClicks();
  connectCore();
  statusListener_ = core_.status().addListener([this](const QString& text) { window_.setStatusText(text); });
}

MainWindowBinding::~MainWindowBinding() {
  core_.status().removeListener(statusListener_);
  for (const auto& c : connections_) QObject::disconnect(c);
}

void MainWindowBinding::connectClicks() {
  TForm1* m = &window_;
  AnnouncerService& announcer = core_.announcer();
  Sequencer& sequencer = announcer.sequencer();
  auto on = [this, m](auto signal, auto slot) {
    connections_.push_back(QObject::connect(m, signal, m, slot));
  };
  on(&TForm1::announceRequested, [&sequencer] { sequencer.Button1Click(); });
  on(&TForm1::abortRequested, [&sequencer] { sequencer.FormKeyDown(kEscape); });
  on(&TForm1::errorSimulationToggled, [&sequencer] { sequencer.MenuSimuErreurClick(); });
  on(&TForm1::saveRequested, [this] { core_.SaveSettings(); });
  on(&TForm1::minimiseSaveRequested, [this] { core_.saveOnMinimise(); });
  on(&TForm1::volumeChanged, [&announcer](int position) { announcer.TrackBarVolumeChange(position); });
  on(&TForm1::soundDeviceChanged, [&announcer](int device) { announcer.setSoundDevice(device); });
  on(&TForm1::autostartChanged, [this](bool enabled) { core_.setAutostart(enabled); });
  on(&TForm1::playWaveFileRequested, [&announcer] { announcer.ButtonPlayWaveClick(); });
  on(&TForm1::playWaveResRequested, [&announcer] { announcer.ButtonPlayWaveResClick(); });
  // WindowSet connected first, so the weather geometry is in the settings before the save.
  on(&TForm1::closing, [this] { core_.FormClose(); });
  on(&TForm1::statusReported, [this](const QString& text) { core_.status().set(text); });
}

void MainWindowBinding::connectCore() {
  AnnouncerService* announcer = &core_.announcer();
  auto on = [this, announcer](auto signal, auto slot) {
    connections_.push_back(QObject::connect(announcer, signal, &window_, slot));
  };
  on(&AnnouncerService::clockTextsChanged, [this] {
    const Scheduler& scheduler = core_.announcer().scheduler();
    window_.setDateTimeTexts(scheduler.editDate(), scheduler.editTime());
  });
  on(&AnnouncerService::linesChanged, [this] { window_.showIndicators(core_.announcer().serial().indicators()); });
  on(&AnnouncerService::busyChanged,
     [this] { window_.setAnnouncementBusy(!core_.announcer().sequencer().button1Enabled()); });
  on(&AnnouncerService::volumeChanged, [this] { window_.setVolumePosition(core_.settings().sound.volume); });
}

void MainWindowBinding::loaded() {
  window_.setVersion(QString::fromLatin1(kVersion));
  window_.setPortList(core_.announcer().serial().portList());
  window_.loadFromModel();
  window_.setVolumePosition(core_.settings().sound.volume);
  window_.showIndicators(core_.announcer().serial().indicators());
  const Scheduler& scheduler = core_.announcer().scheduler();
  window_.setDateTimeTexts(scheduler.editDate(), scheduler.editTime());
}

}  // namespace parlhora
