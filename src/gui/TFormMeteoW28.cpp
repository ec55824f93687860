#include "gui/TFormMeteoW28.h"

#include <QKeyEvent>

#include "gui/HistoryFileView.h"
#include "stations/W28Controller.h"
#include "ui_TFormMeteoW28.h"

namespace parlhora {

TFormMeteoW28::TFormMeteoW28(W28Controller& source, HistoryFileSettings& settings, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::TFormMeteoW28>()) {
  ui_->setupUi(this);
  view_ = new HistoryFileView(*this, source, settings);
}

TFormMeteoW28::~TFormMeteoW28() = default;

void TFormMeteoW28::loadFromModel() {
  if (view_) view_->loadFromModel();
}

void TFormMeteoW28::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) emit escapePressed();
  // Every key is swallowed, as the window always did.
  event->accept();
}

}  // namespace parlhora
