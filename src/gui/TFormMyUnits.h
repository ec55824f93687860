#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class TFormMyUnits;
}

namespace parlhora {

class WeatherService;

/// The units window ("My units"): four groups of two radio buttons, each
/// click a unit of the weather service. Layout and captions come from
/// resources/forms/TFormMyUnits.ui. Main thread only; borrows the service.
class TFormMyUnits : public QWidget {
  Q_OBJECT

 public:
  explicit TFormMyUnits(WeatherService& weather, QWidget* parent = nullptr);
  ~TFormMyUnits() override;
  TFormMyUnits(const TFormMyUnits&) = delete;
  TFormMyUnits& operator=(const TFormMyUnits&) = delete;

 private:
  /// Checks the buttons of the service's current units (no clicks run).
  void showUnits();

  std::unique_ptr<Ui::TFormMyUnits> ui_;
  WeatherService& weather_;
};

}  // namespace parlhora
