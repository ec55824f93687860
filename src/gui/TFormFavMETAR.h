#pragma once

#include <memory>

#include "gui/FavouriteWindow.h"

namespace Ui {
class TFormFavMETAR;
}

namespace parlhora {

/// The METAR favourites window ("METAR-Favoriten"): ten slots of METAR addresses.
/// Main thread only; the slots outlive the window.
class TFormFavMETAR : public FavouriteWindow {
  Q_OBJECT

 public:
  explicit TFormFavMETAR(Slots& model, QWidget* parent = nullptr);
  ~TFormFavMETAR() override;
  TFormFavMETAR(const TFormFavMETAR&) = delete;
  TFormFavMETAR& operator=(const TFormFavMETAR&) = delete;

 private:
  std::unique_ptr<Ui::TFormFavMETAR> ui_;
};

}  // namespace parlhora
