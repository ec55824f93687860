#pragma once

#include <QMetaObject>
#include <QStringList>
#include <vector>

namespace parlhora {

class SerialControl;
class AnnouncerService;
class TFormCOM;

/// Binds the COM window to the serial control: picks go to the port, and
/// the list is refilled only when it changed (a list rebuilt every second
/// could not be used). Main thread only; borrows both.
class ComWindowBinding {
 public:
  ComWindowBinding(TFormCOM& window, AnnouncerService& announcer);
  ~ComWindowBinding();
  ComWindowBinding(const ComWindowBinding&) = delete;
  ComWindowBinding& operator=(const ComWindowBinding&) = delete;

  void showPorts();

 private:
  TFormCOM& window_;
  SerialControl& serial_;
  std::vector<QMetaObject::Connection> connections_;
  QStringList shownList_;
  int shownSelection_ = -2;
};

}  // namespace parlhora
