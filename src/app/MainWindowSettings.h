#pragma once

#include <QByteArray>

namespace parlhora {

/// The main window's own choices and remembered geometry, plus the shared
/// position of the weather windows (settings keys in brackets).
struct MainWindowSettings {
  int top = 101;            // TOP=, pixels
  int left = 4;             // LEFT=, pixels
  int weatherTop = 0;       // METEO_TOP=
  int weatherLeft = 0;      // METEO_LEFT=
  int weatherWidth = 287;   // METEO_WIDTH=
  int weatherHeight = 267;  // METEO_HEIGHT=
  /// FORMMETEO=: false when no weather window was visible at the last save.
  bool showWeatherWindow = true;
  bool autostart = false;       // CheckBoxDemarrage (START=)
  bool startMinimised = false;  // CheckBoxReduire (REDUCE=)
  bool checkVersion = false;    // CheckBoxInfoVersion (VERSTART=1/0)
  QByteArray recorderPath;      // EditQuorrel of the recorder window (RECORDER=)
  /// SIMPLEX_SUFFIXE=: appended to the names of the simplex link's objects,
  /// so a second installation has a link of its own; no window shows it.
  QByteArray simplexSuffix;
};

}  // namespace parlhora
