#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class TFormMeteoNet;
}

namespace parlhora {

class NetSource;

/// The network station's window ("Netzwerk-Wetterstation"): the Pro2's ten
/// reading boxes and captions, the receiver's port, path and key, and when
/// and from where the last upload came. A view of its source; layout from
/// resources/forms/TFormMeteoNet.ui. Main thread only; the source outlives it.
class TFormMeteoNet : public QWidget {
  Q_OBJECT

 public:
  explicit TFormMeteoNet(NetSource& source, QWidget* parent = nullptr);
  ~TFormMeteoNet() override;
  TFormMeteoNet(const TFormMeteoNet&) = delete;
  TFormMeteoNet& operator=(const TFormMeteoNet&) = delete;

  /// The controls from the settings (after loading the settings file).
  void loadFromModel();
  /// The captions, the last upload and the error text from the source.
  void showReadings();

 signals:
  /// FormKeyDown: Escape, which ends a playing announcement.
  void escapePressed();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void receiverEdited();

  std::unique_ptr<Ui::TFormMeteoNet> ui_;
  NetSource& source_;
};

}  // namespace parlhora
