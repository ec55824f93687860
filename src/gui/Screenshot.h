#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace parlhora {

class TForm1;

/// Renders one window (menu bar included) into a PNG file, also when the
/// window is hidden or the platform is offscreen; a hidden window stays
/// hidden. Returns false when the file cannot be written.
bool saveWindowScreenshot(QWidget& window, const QString& png);
/// The main window the same way. With `menu`, the object name of a menu of
/// the menu bar, that menu is drawn opened below its title.
bool saveMainWindowScreenshot(TForm1& form, const QString& png, const QString& menu = {});

}  // namespace parlhora
