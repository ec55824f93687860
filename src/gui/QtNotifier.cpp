#include "gui/QtNotifier.h"

#include <QApplication>
#include <QMessageBox>

namespace parlhora {

void QtNotifier::beep() { QApplication::beep(); }

void QtNotifier::errorBox(const QString& text) {
  QMessageBox box(QMessageBox::Critical, QStringLiteral("PARLHORA"), text, QMessageBox::Ok, parent_);
  box.exec();
}

}  // namespace parlhora
