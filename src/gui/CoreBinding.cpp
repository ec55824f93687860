#include "gui/CoreBinding.h"

#include "app/HourMenus.h"
#include "app/ParlhoraCore.h"
#include "app/Version.h"
#include "gui/TForm1.h"
#include "gui/TFormCOM.h"
#include "gui/TFormInfo.h"
#include "gui/TFormRecord.h"
#include "gui/WindowSet.h"
#include "link/RecorderControl.h"
#include "platform/WaveOut.h"

namespace parlhora {

namespace {
constexpr int kEscape = 27;
}  // namespace

CoreBinding::CoreBinding(WindowSet& windows, ParlhoraCore& core, WaveOut& waveOut)
    : windows_(windows), core_(core), waveOut_(waveOut) {
  connectMain();
  connectCom();
  if (RecorderControl* recorder = core_.cooperation().recorder())
    connections_.push_back(QObject::connect(recorder, &RecorderControl::statusChanged, &windows_.recorder(),
                                            &TFormRecord::showStatus));
  statusListener_ =
      core_.status().addListener([this](const QString& text) { windows_.main().setStatusText(text); });
  core_.onLoaded = [this] { loaded(); };
  core_.onChanged = [this] { refresh(); };
}

CoreBinding::~CoreBinding() {
  core_.status().removeListener(statusListener_);
  core_.onLoaded = nullptr;
  core_.onChanged = nullptr;
  for (const auto& c : connections_) QObject::disconnect(c);
}

void CoreBinding::connectMain() {
  TForm1* m = &windows_.main();
  Sequencer& sequencer = core_.sequencer();
  Scheduler& scheduler = core_.scheduler();
  auto on = [this, m](auto signal, auto slot) {
    connections_.push_back(QObject::connect(m, signal, m, slot));
  };
  on(&TForm1::announceRequested, [&sequencer] { sequencer.Button1Click(); });
  on(&TForm1::abortRequested, [&sequencer] { sequencer.FormKeyDown(kEscape); });
  on(&TForm1::errorSimulationToggled, [&sequencer] { sequencer.MenuSimuErreurClick(); });
  on(&TForm1::saveRequested, [this] { core_.SaveSettings(); });
  on(&TForm1::minimiseSaveRequested, [this] { core_.saveOnMinimise(); });
  on(&TForm1::volumeChanged, [this](int position) { core_.TrackBarVolumeChange(position); });
  on(&TForm1::soundDeviceChanged, [this](int device) { core_.setSoundDevice(device); });
  on(&TForm1::autostartChanged, [this](bool enabled) { core_.setAutostart(enabled); });
  on(&TForm1::playWaveFileRequested, [this] { core_.ButtonPlayWaveClick(); });
  on(&TForm1::playWaveResRequested, [this] { core_.ButtonPlayWaveResClick(); });
  // WindowSet connected first, so the weather geometry is in the settings before the save.
  on(&TForm1::closing, [this] { core_.FormClose(); });
  on(&TForm1::statusReported, [this](const QString& text) { core_.status().set(text); });
  m->setSoundCardPanel(&core_.soundCard());
  m->setScheduler(&scheduler);
  m->setJingleFiles(&core_.jingles());
  m->setHelpFolder(core_.programFolder());
}

void CoreBinding::connectCom() {
  TFormCOM* com = &windows_.com();
  SerialControl& serial = core_.serial();
  connections_.push_back(QObject::connect(com, &TFormCOM::shown, com, [this, &serial] {
    serial.FormShow();
    refresh();
  }));
  connections_.push_back(QObject::connect(com, &TFormCOM::portPicked, com, [this, &serial](int row) {
    serial.ListBoxCOMClick(row);
    refresh();
  }));
}

void CoreBinding::loaded() {
  TForm1& m = windows_.main();
  m.setVersion(QString::fromLatin1(kVersion));
  windows_.info().setVersion(QString::fromLatin1(kVersion));
  m.setPortList(core_.serial().portList());
  m.loadFromModel();
  windows_.com().loadFromModel();
  windows_.recorder().loadFromModel();
  refresh();
  windows_.showAfterLoad();
}

void CoreBinding::refresh() {
  TForm1& m = windows_.main();
  const Scheduler& scheduler = core_.scheduler();
  const Sequencer& sequencer = core_.sequencer();
  const SerialControl& serial = core_.serial();
  m.setDateTimeTexts(scheduler.editDate(), scheduler.editTime());
  m.showIndicators(serial.indicators());
  m.setAnnouncementBusy(!sequencer.button1Enabled());
  m.setVolumePosition(core_.settings().sound.volume);
  // Refilled only when it changed: a list rebuilt every second could not be used.
  if (serial.comList() != shownComList_ || serial.comSelection() != shownComSelection_) {
    shownComList_ = serial.comList();
    shownComSelection_ = serial.comSelection();
    windows_.com().showPorts(shownComList_, shownComSelection_);
  }
}

}  // namespace parlhora
