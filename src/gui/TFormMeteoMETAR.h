#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class TFormMeteoMETAR;
}

namespace parlhora {

class MetarSource;

/// The METAR window (" METAR-Wetterdaten"), a view of a MetarSource and of
/// its METAR_ settings model: the controls forward their events to the
/// source, the captions follow its readingsChanged. Main thread only; the
/// source must outlive the window.
class TFormMeteoMETAR : public QWidget {
  Q_OBJECT

 public:
  TFormMeteoMETAR(MetarSource& source, QWidget* parent = nullptr);
  ~TFormMeteoMETAR() override;
  TFormMeteoMETAR(const TFormMeteoMETAR&) = delete;
  TFormMeteoMETAR& operator=(const TFormMeteoMETAR&) = delete;

  /// Sets every control from the settings model (after loading the file).
  void loadFromModel();

 signals:
  /// ButtonFav: the favourites window opens.
  void favouritesRequested();
  /// SpeedButtonMenuAide: the main window's help opens.
  void helpRequested();
  /// The window closed: the favourites window closes too.
  void closed();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void connectControls();
  void showReadings();
  void showHistory();

  std::unique_ptr<Ui::TFormMeteoMETAR> ui_;
  MetarSource& source_;
};

}  // namespace parlhora
