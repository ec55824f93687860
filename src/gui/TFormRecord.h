#pragma once

#include <QByteArray>
#include <QWidget>
#include <functional>
#include <memory>

namespace Ui {
class TFormRecord;
}

namespace parlhora {

class Notifier;

/// The recorder window ("PARLHORA"): the recorder program's path in
/// `EditQuorrel` and the recorder's last result in `StaticTextW`. The edit
/// field writes straight into `recorderPath` (RECORDER=). Layout and
/// captions come from resources/forms/TFormRecord.ui. Main thread only;
/// `recorderPath` and `notifier` must outlive the window.
class TFormRecord : public QWidget {
  Q_OBJECT

 public:
  TFormRecord(QByteArray& recorderPath, Notifier& notifier, QWidget* parent = nullptr);
  ~TFormRecord() override;
  TFormRecord(const TFormRecord&) = delete;
  TFormRecord& operator=(const TFormRecord&) = delete;

  /// Shows the path from the model (after loading the settings file).
  void loadFromModel();
  /// Replaces the file dialog of "Durchsuchen" (tests); returns the chosen
  /// path or an empty one.
  void setFileChooser(std::function<QString()> chooser) { chooseFile_ = std::move(chooser); }

 public slots:
  /// `StaticTextW`: the recorder control's status.
  void showStatus(const QString& text);
  void ButtonParcourirClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  std::unique_ptr<Ui::TFormRecord> ui_;
  QByteArray& recorderPath_;
  Notifier& notifier_;
  std::function<QString()> chooseFile_;
};

}  // namespace parlhora
