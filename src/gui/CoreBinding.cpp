#include "gui/CoreBinding.h"

#include "app/ParlhoraCore.h"
#include "app/Version.h"
#include "gui/TForm1.h"
#include "gui/TFormCOM.h"
#include "gui/TFormInfo.h"
#include "gui/TFormMeteo.h"
#include "gui/TFormFavAPRS.h"
#include "gui/TFormFavMETAR.h"
#include "gui/TFormMeteoAPRS.h"
#include "gui/TFormMeteoMETAR.h"
#include "gui/TFormMeteoPro2.h"
#include "gui/TFormMeteoW23.h"
#include "gui/TFormMeteoW28.h"
#include "gui/TFormMeteoNet.h"
#include "gui/TFormRecord.h"
#include "link/RecorderControl.h"
#include "gui/WindowSet.h"

namespace parlhora {

CoreBinding::CoreBinding(WindowSet& windows, ParlhoraCore& core)
    : windows_(windows), core_(core), main_(windows.main(), core), com_(windows.com(), core.announcer()) {
  loadedConnection_ = QObject::connect(&core_, &ParlhoraCore::settingsLoaded, &windows_.main(), [this] { loaded(); });
  // What the windows show goes into the settings before any save.
  core_.setBeforeSave([this] { windows_.rememberWeatherGeometry(); });
  // Esc in a station window ends the announcement, as in the main window.
  auto escape = [this] { core_.announcer().sequencer().FormKeyDown(Sequencer::kEscKey); };
  QObject::connect(&windows_.w23(), &TFormMeteoW23::escapePressed, &windows_.main(), escape);
  QObject::connect(&windows_.w28(), &TFormMeteoW28::escapePressed, &windows_.main(), escape);
  QObject::connect(&windows_.pro2(), &TFormMeteoPro2::escapePressed, &windows_.main(), escape);
  QObject::connect(&windows_.net(), &TFormMeteoNet::escapePressed, &windows_.main(), escape);
  if (RecorderControl* recorder = core_.cooperation().recorder())
    recorderConnection_ = QObject::connect(recorder, &RecorderControl::statusChanged, &windows_.recorder(),
                                           &TFormRecord::showStatus);
}

CoreBinding::~CoreBinding() {
  QObject::disconnect(loadedConnection_);
  QObject::disconnect(recorderConnection_);
  core_.setBeforeSave(nullptr);
}

void CoreBinding::loaded() {
  windows_.info().setVersion(QString::fromLatin1(kVersion));
  main_.loaded();
  windows_.com().loadFromModel();
  windows_.monitor().loadFromModel();
  windows_.metar().loadFromModel();
  windows_.aprs().loadFromModel();
  windows_.favMetar().loadFromModel();
  windows_.favAprs().loadFromModel();
  windows_.w23().loadFromModel();
  windows_.w28().loadFromModel();
  windows_.pro2().loadFromModel();
  windows_.net().loadFromModel();
  windows_.recorder().loadFromModel();
  com_.showPorts();
  windows_.showAfterLoad();
  windows_.applyWeatherVisibility();
}

}  // namespace parlhora
