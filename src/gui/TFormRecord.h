#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class TFormRecord;
}

namespace parlhora {

/// The recorder window ("PARLHORA"): the recorder program's path. Layout and captions
/// come from resources/forms/TFormRecord.ui; the source's behaviour binds here.
/// Main thread only.
class TFormRecord : public QWidget {
  Q_OBJECT

 public:
  explicit TFormRecord(QWidget* parent = nullptr);
  ~TFormRecord() override;
  TFormRecord(const TFormRecord&) = delete;
  TFormRecord& operator=(const TFormRecord&) = delete;

 private:
  std::unique_ptr<Ui::TFormRecord> ui_;
};

}  // namespace parlhora
