#pragma once

#include <QString>

namespace parlhora {

class TForm1;

/// Renders the main window (menu bar included) into a PNG file, also when
/// the window is hidden or the platform is offscreen. Returns false when the
/// file cannot be written.
bool saveMainWindowScreenshot(TForm1& form, const QString& png);

}  // namespace parlhora
