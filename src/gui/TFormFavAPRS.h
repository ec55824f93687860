#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class TFormFavAPRS;
}

namespace parlhora {

/// The APRS favourites window ("APRS-Favoriten"). Layout and captions
/// come from resources/forms/TFormFavAPRS.ui; the source's behaviour binds here.
/// Main thread only.
class TFormFavAPRS : public QWidget {
  Q_OBJECT

 public:
  explicit TFormFavAPRS(QWidget* parent = nullptr);
  ~TFormFavAPRS() override;
  TFormFavAPRS(const TFormFavAPRS&) = delete;
  TFormFavAPRS& operator=(const TFormFavAPRS&) = delete;

 private:
  std::unique_ptr<Ui::TFormFavAPRS> ui_;
};

}  // namespace parlhora
