#pragma once

#include <QByteArray>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <array>

namespace parlhora {

/// The ten slots of a favourites window bound to their settings (slot n at
/// [n-1]): an edit writes its slot, a button says which slot was clicked.
/// Main thread only; the slots outlive the window.
class FavouriteWindow : public QWidget {
  Q_OBJECT

 public:
  using Slots = std::array<QByteArray, 10>;

  explicit FavouriteWindow(Slots& model, QWidget* parent = nullptr);

  /// Sets the ten edits from the settings (after loading the file).
  void loadFromModel();

 signals:
  /// Button "F<slot>" was clicked; `slot` is 1..10.
  void slotClicked(int slot, const QByteArray& text);

 protected:
  /// Called by the form once its edits and buttons exist, in slot order.
  void bind(const std::array<QLineEdit*, 10>& edits, const std::array<QPushButton*, 10>& buttons);
  void showEvent(QShowEvent* event) override;

 private:
  Slots& slots_;
  std::array<QLineEdit*, 10> edits_{};
};

}  // namespace parlhora
