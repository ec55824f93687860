#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class TFormMeteo;
}

namespace parlhora {

/// The Davis Weather Monitor II window ("Davis Monitor II Wetterstation"). Layout and captions
/// come from resources/forms/TFormMeteo.ui; the source's behaviour binds here.
/// Main thread only.
class TFormMeteo : public QWidget {
  Q_OBJECT

 public:
  explicit TFormMeteo(QWidget* parent = nullptr);
  ~TFormMeteo() override;
  TFormMeteo(const TFormMeteo&) = delete;
  TFormMeteo& operator=(const TFormMeteo&) = delete;

 private:
  std::unique_ptr<Ui::TFormMeteo> ui_;
};

}  // namespace parlhora
