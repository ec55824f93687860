#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class TFormMeteo;
}

namespace parlhora {

class MonitorSource;
struct MonitorSettings;

/// The Davis Weather Monitor II window ("Davis Monitor II Wetterstation"),
/// a view of MonitorSource: it shows the source's captions by control
/// name, its port list, and writes its boxes and period into `settings`.
/// Layout and captions come from resources/forms/TFormMeteo.ui. Main
/// thread only; source and settings must outlive the window.
class TFormMeteo : public QWidget {
  Q_OBJECT

 public:
  TFormMeteo(MonitorSource& source, MonitorSettings& settings, QWidget* parent = nullptr);
  ~TFormMeteo() override;
  TFormMeteo(const TFormMeteo&) = delete;
  TFormMeteo& operator=(const TFormMeteo&) = delete;

  /// Sets the boxes and the period from the model (after loading settings).
  void loadFromModel();

 signals:
  /// The window is about to show (the chooser hides).
  void shown();

 public slots:
  void ButtonPortClick();
  void ListBoxPortClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void bind();
  void showReadings();

  std::unique_ptr<Ui::TFormMeteo> ui_;
  MonitorSource& source_;
  MonitorSettings& settings_;
};

}  // namespace parlhora
