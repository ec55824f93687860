#pragma once

#include <QMetaObject>
#include <vector>

namespace parlhora {

class ParlhoraCore;
class TForm1;

/// Binds the main window to the core: its clicks and menu items go to the
/// core's handlers, and each change the announcer reports reaches the one
/// control that shows it. Main thread only; borrows both.
class MainWindowBinding {
 public:
  MainWindowBinding(TForm1& window, ParlhoraCore& core);
  ~MainWindowBinding();
  MainWindowBinding(const MainWindowBinding&) = delete;
  MainWindowBinding& operator=(const MainWindowBinding&) = delete;

  /// The settings were loaded: version, port list and every control.
  void loaded();

 private:
  void connectClicks();
  void connectCore();

  TForm1& window_;
  ParlhoraCore& core_;
  std::vector<QMetaObject::Connection> connections_;
  int statusListener_ = 0;
};

}  // namespace parlhora
