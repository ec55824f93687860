#pragma once

#include <QWidget>
#include <memory>

#include "weather/WeatherSource.h"

class QAbstractButton;

namespace Ui {
class TFormChoixMeteo;
}

namespace parlhora {

class WeatherService;

/// The weather source chooser ("Wetter-Quelle wählen"): a click on a source
/// picks it in the weather service, which stops the others, refreshes it and
/// asks for its window. Layout and captions come from
/// resources/forms/TFormChoixMeteo.ui. Main thread only; borrows the service.
class TFormChoixMeteo : public QWidget {
  Q_OBJECT

 public:
  explicit TFormChoixMeteo(WeatherService& weather, QWidget* parent = nullptr);
  ~TFormChoixMeteo() override;
  TFormChoixMeteo(const TFormChoixMeteo&) = delete;
  TFormChoixMeteo& operator=(const TFormChoixMeteo&) = delete;

  /// FormShow: centred on `main`.
  void showCentredOn(const QWidget& main);
  /// Checks the button of the chosen source without running its click.
  void showChoice();

 private:
  QAbstractButton* button(WeatherSource source) const;

  std::unique_ptr<Ui::TFormChoixMeteo> ui_;
  WeatherService& weather_;
};

}  // namespace parlhora
