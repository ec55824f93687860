#pragma once

#include <QString>
#include <functional>

namespace parlhora {

class TForm1;

/// Renders the main window (menu bar included) into a PNG file, also when
/// the window is hidden or the platform is offscreen. Returns false when the
/// file cannot be written. With `menu`, the object name of a menu of the
/// menu bar, that menu is drawn opened below its title.
bool saveMainWindowScreenshot(TForm1& form, const QString& png, const QString& menu = {});

}  // namespace parlhora
