#pragma once

#include <QMetaObject>
#include <QStringList>
#include <vector>

namespace parlhora {

class ParlhoraCore;
class WaveOut;
class WindowSet;

/// Binds the windows to the core: clicks and menu items go to the core's
/// handlers, and whatever the core reports as changed (tick, sequencer,
/// serial lines) is mirrored into the windows. Loading the settings fills
/// the controls and shows the windows. Main thread only; borrows all three,
/// which must outlive it. Connect before ParlhoraCore::FormCreate().
class CoreBinding {
 public:
  CoreBinding(WindowSet& windows, ParlhoraCore& core, WaveOut& waveOut);
  ~CoreBinding();
  CoreBinding(const CoreBinding&) = delete;
  CoreBinding& operator=(const CoreBinding&) = delete;

  /// Mirrors the core's state into the windows.
  void refresh();

 private:
  void connectMain();
  void connectCom();
  void loaded();

  WindowSet& windows_;
  ParlhoraCore& core_;
  WaveOut& waveOut_;
  std::vector<QMetaObject::Connection> connections_;
  QStringList shownComList_;
  int shownComSelection_ = -2;
  int statusListener_ = 0;
};

}  // namespace parlhora
