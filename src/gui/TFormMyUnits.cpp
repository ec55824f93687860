#include "gui/TFormMyUnits.h"

#include "app/WeatherService.h"
#include "ui_TFormMyUnits.h"

namespace parlhora {

TFormMyUnits::TFormMyUnits(WeatherService& weather, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::TFormMyUnits>()), weather_(weather) {
  ui_->setupUi(this);
  using B = WeatherService::UnitButton;
  const std::pair<QAbstractButton*, B> buttons[] = {
      {ui_->RadioButtonTc, B::Tc}, {ui_->RadioButtonTf, B::Tf}, {ui_->RadioButtonPm, B::Pm},
      {ui_->RadioButtonPi, B::Pi}, {ui_->RadioButtonVk, B::Vk}, {ui_->RadioButtonVm, B::Vm},
      {ui_->RadioButtonRm, B::Rm}, {ui_->RadioButtonRi, B::Ri}};
  // Only a click by the user runs a handler; loading sets the buttons quietly.
  for (const auto& [button, which] : buttons)
    connect(button, &QAbstractButton::clicked, this, [this, which = which] { weather_.unitClicked(which); });
  connect(&weather_, &WeatherService::unitsChanged, this, &TFormMyUnits::showUnits);
  showUnits();
}

TFormMyUnits::~TFormMyUnits() = default;

void TFormMyUnits::showUnits() {
  const UnitFactors& u = weather_.units();
  (u.fahrenheit() ? ui_->RadioButtonTf : ui_->RadioButtonTc)->setChecked(true);
  (u.inHg() ? ui_->RadioButtonPi : ui_->RadioButtonPm)->setChecked(true);
  (u.mph() ? ui_->RadioButtonVm : ui_->RadioButtonVk)->setChecked(true);
  (u.inch() ? ui_->RadioButtonRi : ui_->RadioButtonRm)->setChecked(true);
}

}  // namespace parlhora
