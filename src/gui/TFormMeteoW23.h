#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class TFormMeteoW23;
}

namespace parlhora {

class W23Controller;
class HistoryFileView;
struct HistoryFileSettings;

/// The WS-23xx history file window ("Lacrosse WS-2310 / 2315 / 2355+"): a view of its source.
/// Layout and captions come from resources/forms/TFormMeteoW23.ui. Main thread
/// only; source and settings outlive the window.
class TFormMeteoW23 : public QWidget {
  Q_OBJECT

 public:
  TFormMeteoW23(W23Controller& source, HistoryFileSettings& settings, QWidget* parent = nullptr);
  ~TFormMeteoW23() override;
  TFormMeteoW23(const TFormMeteoW23&) = delete;
  TFormMeteoW23& operator=(const TFormMeteoW23&) = delete;

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
  std::unique_ptr<Ui::TFormMeteoW23> ui_;
  HistoryFileView* view_ = nullptr;
};

}  // namespace parlhora
