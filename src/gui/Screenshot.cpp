#include "gui/Screenshot.h"

#include <QCoreApplication>
#include <QPixmap>

#include "gui/TForm1.h"

namespace parlhora {

bool saveMainWindowScreenshot(TForm1& form, const QString& png) {
  // A window that was never shown has no layout yet; show it off screen once.
  const bool wasVisible = form.isVisible();
  if (!wasVisible) {
    form.setAttribute(Qt::WA_DontShowOnScreen, true);
    form.show();
    QCoreApplication::processEvents();
  }
  const QPixmap picture = form.grab();
  if (!wasVisible) {
    form.hide();
    form.setAttribute(Qt::WA_DontShowOnScreen, false);
  }
  return !picture.isNull() && picture.save(png, "PNG");
}

}  // namespace parlhora
