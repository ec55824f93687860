#include "gui/TrayIcon.h"

#include <QIcon>
#include <QMenu>
#include <QSystemTrayIcon>

namespace parlhora {

TrayIcon::TrayIcon(QObject* parent)
    : QObject(parent), menu_(std::make_unique<QMenu>()), icon_(std::make_unique<QSystemTrayIcon>()) {
  menu_->setObjectName(QStringLiteral("PopUpDroit"));
  QAction* quit = menu_->addAction(QStringLiteral("Quitter"));
  QAction* restore = menu_->addAction(QStringLiteral("Restaurer"));
  QAction* reduce = menu_->addAction(QStringLiteral("Réduire"));
  quit->setObjectName(QStringLiteral("Quitter1"));
  restore->setObjectName(QStringLiteral("Restaurer1"));
  reduce->setObjectName(QStringLiteral("Reduire1"));
  menu_->setDefaultAction(restore);
  connect(quit, &QAction::triggered, this, &TrayIcon::quitRequested);
  connect(restore, &QAction::triggered, this, &TrayIcon::restoreRequested);
  connect(reduce, &QAction::triggered, this, &TrayIcon::minimiseRequested);

  icon_->setIcon(QIcon(QStringLiteral(":/icons/tray.png")));
  icon_->setToolTip(QStringLiteral("Pirolo"));
  icon_->setContextMenu(menu_.get());
  connect(icon_.get(), &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason why) {
    if (why == QSystemTrayIcon::DoubleClick) emit restoreRequested();
  });
}

TrayIcon::~TrayIcon() { remove(); }

void TrayIcon::add() {
  if (available()) icon_->show();
}

void TrayIcon::remove() { icon_->hide(); }

bool TrayIcon::isShown() const { return icon_->isVisible(); }

bool TrayIcon::available() { return QSystemTrayIcon::isSystemTrayAvailable(); }

}  // namespace parlhora
