#include "gui/TFormMeteoPro2.h"

#include <QKeyEvent>

#include "gui/HistoryFileView.h"
#include "stations/Pro2Controller.h"
#include "ui_TFormMeteoPro2.h"

namespace parlhora {

TFormMeteoPro2::TFormMeteoPro2(Pro2Controller& source, HistoryFileSettings& settings, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::TFormMeteoPro2>()) {
  ui_->setupUi(this);
  view_ = new HistoryFileView(*this, source, settings);
}

TFormMeteoPro2::~TFormMeteoPro2() = default;

void TFormMeteoPro2::loadFromModel() {
  if (view_) view_->loadFromModel();
}

void TFormMeteoPro2::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) emit escapePressed();
  // Every key is swallowed, as the window always did.
  event->accept();
}

}  // namespace parlhora
