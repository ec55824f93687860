#include "gui/FavouriteWindow.h"

namespace parlhora {

FavouriteWindow::FavouriteWindow(Slots& model, QWidget* parent) : QWidget(parent), slots_(model) {
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
}

void FavouriteWindow::bind(const std::array<QLineEdit*, 10>& edits,
                           const std::array<QPushButton*, 10>& buttons) {
  edits_ = edits;
  for (int i = 0; i < 10; ++i) {
    connect(edits[i], &QLineEdit::textEdited, this,
            [this, i](const QString& t) { slots_[i] = t.toLocal8Bit(); });
    connect(buttons[i], &QPushButton::clicked, this, [this, i] { emit slotClicked(i + 1, slots_[i]); });
  }
  loadFromModel();
}

void FavouriteWindow::loadFromModel() {
  for (int i = 0; i < 10; ++i)
    if (edits_[i]) edits_[i]->setText(QString::fromLocal8Bit(slots_[i]));
}

void FavouriteWindow::showEvent(QShowEvent* event) {
  for (QLineEdit* e : edits_)
    if (e && !e->text().isEmpty()) e->selectAll();
  QWidget::showEvent(event);
}

}  // namespace parlhora
