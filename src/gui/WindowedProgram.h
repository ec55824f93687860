#pragma once

#include <QString>
#include <QStringList>

namespace parlhora {

/// The program with its windows: the real backends, the core, the fourteen
/// windows and the tray icon, in the start-up order of the main window.
/// Needs a QApplication; returns when the main window has closed.
int runWindowed(const QString& home, const QString& program, const QStringList& autostartArguments);

/// Starts the program as runWindowed does, waits until the settings are
/// loaded, writes a picture of the main window to `png` and quits.
int runScreenshot(const QString& home, const QString& program, const QString& png, const QString& menu = {});

}  // namespace parlhora
