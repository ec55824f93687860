#include "gui/Screenshot.h"

#include <QCoreApplication>
#include <QPixmap>
#include <QWidget>

#include "gui/TForm1.h"

namespace parlhora {

bool saveWindowScreenshot(QWidget& window, const QString& png) {
  // A window that was never shown has no layout yet; show it off screen once.
  const bool wasVisible = window.isVisible();
  if (!wasVisible) {
    window.setAttribute(Qt::WA_DontShowOnScreen, true);
    window.show();
    QCoreApplication::processEvents();
  }
  const QPixmap picture = window.grab();
  if (!wasVisible) {
    window.hide();
    window.setAttribute(Qt::WA_DontShowOnScreen, false);
  }
  return !picture.isNull() && picture.save(png, "PNG");
}

bool saveMainWindowScreenshot(TForm1& form, const QString& png) { return saveWindowScreenshot(form, png); }

}  // namespace parlhora
