#include "gui/TFormMeteoW23.h"

#include <QKeyEvent>

#include "gui/HistoryFileView.h"
#include "stations/W23Controller.h"
#include "ui_TFormMeteoW23.h"

namespace parlhora {

TFormMeteoW23::TFormMeteoW23(W23Controller& source, HistoryFileSettings& settings, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::TFormMeteoW23>()) {
  ui_->setupUi(this);
  view_ = new HistoryFileView(*this, source, settings);
}

TFormMeteoW23::~TFormMeteoW23() = default;

void TFormMeteoW23::loadFromModel() {
  if (view_) view_->loadFromModel();
}

void TFormMeteoW23::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) emit escapePressed();
  // Every key is swallowed, as the window always did.
  event->accept();
}

}  // namespace parlhora
