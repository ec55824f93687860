#include "gui/TForm1.h"

// Minimising the main window, to the tray where the desktop has one.

#include <QSystemTrayIcon>

#include "app/AnnouncerSettings.h"
#include "ui_TForm1.h"

namespace parlhora {

void TForm1::Button2Click() {
  emit minimiseSaveRequested();
  minimise();
}

void TForm1::minimise() {
  // Without a notification area a hidden window could never come back.
  const bool toTray = ui_->CheckBoxReduire->isChecked() && QSystemTrayIcon::isSystemTrayAvailable();
  if (toTray)
    hide();
  else
    showMinimized();
  emit minimised(toTray);
}

void TForm1::CheckBoxReduireClick() {
  settings_.mainWindow.startMinimised = ui_->CheckBoxReduire->isChecked();
  if (!settings_.mainWindow.startMinimised) return;
  minimise();
  emit minimiseSaveRequested();
}

void TForm1::CheckBoxDemarrageClick() {
  settings_.mainWindow.autostart = ui_->CheckBoxDemarrage->isChecked();
  emit autostartChanged(settings_.mainWindow.autostart);
}

}  // namespace parlhora
