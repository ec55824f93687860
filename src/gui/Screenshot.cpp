#include "gui/Screenshot.h"

#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <algorithm>

#include "gui/TForm1.h"

namespace parlhora {

namespace {

// A widget that was never shown has no layout yet; show it off screen once.
QPixmap grabShown(QWidget& widget, const std::function<void()>& show) {
  const bool wasVisible = widget.isVisible();
  if (!wasVisible) {
    widget.setAttribute(Qt::WA_DontShowOnScreen, true);
    show();
    QCoreApplication::processEvents();
  }
  const QPixmap picture = widget.grab();
  if (!wasVisible) {
    widget.hide();
    widget.setAttribute(Qt::WA_DontShowOnScreen, false);
  }
  return picture;
}

}  // namespace

bool saveWindowScreenshot(QWidget& window, const QString& png) {
  const QPixmap picture = grabShown(window, [&window] { window.show(); });
  return !picture.isNull() && picture.save(png, "PNG");
}

bool saveMainWindowScreenshot(TForm1& form, const QString& png, const QString& menu) {
  const QPixmap window = grabShown(form, [&form] { form.show(); });
  if (window.isNull()) return false;
  if (menu.isEmpty()) return window.save(png, "PNG");
  auto* opened = form.findChild<QMenu*>(menu);
  auto* bar = form.findChild<QMenuBar*>();
  if (!opened || !bar) return false;
  const QPixmap list = grabShown(*opened, [opened] { opened->popup(QPoint()); });
  // The menu hangs from its title, as a click opens it.
  const QPoint at = bar->mapTo(&form, bar->actionGeometry(opened->menuAction()).bottomLeft());
  QPixmap picture(std::max(window.width(), at.x() + list.width()),
                  std::max(window.height(), at.y() + list.height()));
  picture.fill(Qt::white);
  QPainter painter(&picture);
  painter.drawPixmap(0, 0, window);
  painter.drawPixmap(at, list);
  painter.end();
  return picture.save(png, "PNG");
}

}  // namespace parlhora
