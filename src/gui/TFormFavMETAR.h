#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class TFormFavMETAR;
}

namespace parlhora {

/// The METAR favourites window ("METAR-Favoriten"). Layout and captions
/// come from resources/forms/TFormFavMETAR.ui; the source's behaviour binds here.
/// Main thread only.
class TFormFavMETAR : public QWidget {
  Q_OBJECT

 public:
  explicit TFormFavMETAR(QWidget* parent = nullptr);
  ~TFormFavMETAR() override;
  TFormFavMETAR(const TFormFavMETAR&) = delete;
  TFormFavMETAR& operator=(const TFormFavMETAR&) = delete;

 private:
  std::unique_ptr<Ui::TFormFavMETAR> ui_;
};

}  // namespace parlhora
