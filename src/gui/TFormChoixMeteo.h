#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class TFormChoixMeteo;
}

namespace parlhora {

/// The weather source chooser ("Wetter-Quelle wählen"). Layout and captions
/// come from resources/forms/TFormChoixMeteo.ui; the source's behaviour binds here.
/// Main thread only.
class TFormChoixMeteo : public QWidget {
  Q_OBJECT

 public:
  explicit TFormChoixMeteo(QWidget* parent = nullptr);
  ~TFormChoixMeteo() override;
  TFormChoixMeteo(const TFormChoixMeteo&) = delete;
  TFormChoixMeteo& operator=(const TFormChoixMeteo&) = delete;

 private:
  std::unique_ptr<Ui::TFormChoixMeteo> ui_;
};

}  // namespace parlhora
