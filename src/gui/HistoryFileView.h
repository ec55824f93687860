#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace parlhora {

class HistoryFileController;
struct HistoryFileSettings;

/// Binds the controls of a station-file window (found by their control
/// names) to its source and settings: the boxes, spin edits and radio
/// buttons write the settings, the buttons call the source, and every
/// readingsChanged repaints the captions, the file name and the error
/// text. Main thread only; form, source and settings outlive it.
class HistoryFileView : public QObject {
  Q_OBJECT

 public:
  HistoryFileView(QWidget& form, HistoryFileController& source, HistoryFileSettings& settings);

  /// The controls from the settings (after loading the settings file).
  void loadFromModel();
  /// The captions, file name and error text from the source.
  void showReadings();

  /// OpenDialogDat: returns the chosen file, empty on cancel. Tests replace it.
  std::function<QString(const QString& filter, const QString& suffix)> chooseFile;

  void ButtonParcourirClick();

 private:
  template <typename T>
  T* control(const char* name) const;

  QWidget& form_;
  HistoryFileController& source_;
  HistoryFileSettings& settings_;
};

}  // namespace parlhora
