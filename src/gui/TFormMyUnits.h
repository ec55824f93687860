#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class TFormMyUnits;
}

namespace parlhora {

/// The units window ("My units"). Layout and captions
/// come from resources/forms/TFormMyUnits.ui; the source's behaviour binds here.
/// Main thread only.
class TFormMyUnits : public QWidget {
  Q_OBJECT

 public:
  explicit TFormMyUnits(QWidget* parent = nullptr);
  ~TFormMyUnits() override;
  TFormMyUnits(const TFormMyUnits&) = delete;
  TFormMyUnits& operator=(const TFormMyUnits&) = delete;

 private:
  std::unique_ptr<Ui::TFormMyUnits> ui_;
};

}  // namespace parlhora
