#pragma once

#include <memory>

#include "gui/FavouriteWindow.h"

namespace Ui {
class TFormFavAPRS;
}

namespace parlhora {

/// The APRS favourites window ("APRS-Favoriten"): ten slots of APRS addresses.
/// Main thread only; the slots outlive the window.
class TFormFavAPRS : public FavouriteWindow {
  Q_OBJECT

 public:
  explicit TFormFavAPRS(Slots& model, QWidget* parent = nullptr);
  ~TFormFavAPRS() override;
  TFormFavAPRS(const TFormFavAPRS&) = delete;
  TFormFavAPRS& operator=(const TFormFavAPRS&) = delete;

 private:
  std::unique_ptr<Ui::TFormFavAPRS> ui_;
};

}  // namespace parlhora
