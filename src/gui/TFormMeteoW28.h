#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class TFormMeteoW28;
}

namespace parlhora {

class W28Controller;
class HistoryFileView;
struct HistoryFileSettings;

/// The WS-28xx history file window ("Lacrosse WS-2800 / 3610+"): a view of its source.
/// Layout and captions come from resources/forms/TFormMeteoW28.ui. Main thread
/// only; source and settings outlive the window.
class TFormMeteoW28 : public QWidget {
  Q_OBJECT

 public:
  TFormMeteoW28(W28Controller& source, HistoryFileSettings& settings, QWidget* parent = nullptr);
  ~TFormMeteoW28() override;
  TFormMeteoW28(const TFormMeteoW28&) = delete;
  TFormMeteoW28& operator=(const TFormMeteoW28&) = delete;

  /// The controls from the settings (after loading the settings file).
  void loadFromModel();
  /// nullptr for the unbound layout.
  HistoryFileView* view() const { return view_; }

 signals:
  /// FormKeyDown: Escape, which ends a playing announcement.
  void escapePressed();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  std::unique_ptr<Ui::TFormMeteoW28> ui_;
  HistoryFileView* view_ = nullptr;
};

}  // namespace parlhora
