#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class TFormMeteoPro2;
}

namespace parlhora {

class Pro2Controller;
class HistoryFileView;
struct HistoryFileSettings;

/// The Vantage Pro2 data file window ("Vantage Pro2 Wetterstation"): a view of its source.
/// Layout and captions come from resources/forms/TFormMeteoPro2.ui. Main thread
/// only; source and settings outlive the window.
class TFormMeteoPro2 : public QWidget {
  Q_OBJECT

 public:
  TFormMeteoPro2(Pro2Controller& source, HistoryFileSettings& settings, QWidget* parent = nullptr);
  ~TFormMeteoPro2() override;
  TFormMeteoPro2(const TFormMeteoPro2&) = delete;
  TFormMeteoPro2& operator=(const TFormMeteoPro2&) = delete;

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
  std::unique_ptr<Ui::TFormMeteoPro2> ui_;
  HistoryFileView* view_ = nullptr;
};

}  // namespace parlhora
