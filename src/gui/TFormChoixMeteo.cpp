#include "gui/TFormChoixMeteo.h"

#include "app/WeatherService.h"
#include "ui_TFormChoixMeteo.h"
#include "weather/HalfEven.h"

namespace parlhora {

namespace {
constexpr WeatherSource kSources[] = {WeatherSource::MON,  WeatherSource::W23,  WeatherSource::W28,
                                      WeatherSource::None, WeatherSource::APRS, WeatherSource::PRO2,
                                      WeatherSource::METAR, WeatherSource::NET};
}  // namespace

TFormChoixMeteo::TFormChoixMeteo(WeatherService& weather, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::TFormChoixMeteo>()), weather_(weather) {
  ui_->setupUi(this);
  for (WeatherSource source : kSources)
    connect(button(source), &QAbstractButton::clicked, this, [this, source] { weather_.choose(source); });
  connect(&weather_, &WeatherService::sourcePicked, this, &TFormChoixMeteo::showChoice);
  connect(&weather_, &WeatherService::sourceCleared, this, &TFormChoixMeteo::showChoice);
}

TFormChoixMeteo::~TFormChoixMeteo() = default;

QAbstractButton* TFormChoixMeteo::button(WeatherSource source) const {
  switch (source) {
    case WeatherSource::MON: return ui_->RadioButtonMON;
    case WeatherSource::W23: return ui_->RadioButtonW23;
    case WeatherSource::W28: return ui_->RadioButtonW28;
    case WeatherSource::APRS: return ui_->RadioButtonAPRS;
    case WeatherSource::PRO2: return ui_->RadioButtonPro2;
    case WeatherSource::METAR: return ui_->RadioButtonMETAR;
    case WeatherSource::NET: return ui_->RadioButtonNET;
    case WeatherSource::None: break;
  }
  return ui_->RadioButtonNoMeteo;
}

void TFormChoixMeteo::showChoice() { button(weather_.chosen())->setChecked(true); }

void TFormChoixMeteo::showCentredOn(const QWidget& main) {
  const QRect frame = main.geometry();
  move(frame.left() + HalfEven::round(frame.width() / 2.0) - HalfEven::round(width() / 2.0),
       frame.top() + HalfEven::round(frame.height() / 2.0) - HalfEven::round(height() / 2.0));
  show();
  raise();
}

}  // namespace parlhora
