#pragma once

#include <QString>

class QWidget;

namespace parlhora {

class TForm1;

/// Renders one window (menu bar included) into a PNG file, also when the
/// window is hidden or the platform is offscreen; a hidden window stays
/// hidden. Returns false when the file cannot be written.
bool saveWindowScreenshot(QWidget& window, const QString& png);
bool saveMainWindowScreenshot(TForm1& form, const QString& png);

}  // namespace parlhora
