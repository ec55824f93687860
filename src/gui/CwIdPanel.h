#pragma once

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QSpinBox;

namespace parlhora {

struct CwIdSettings;

/// The main window's row for the Morse identification: "Rufzeichen in
/// Morse", the call, the speed and the tone. A view of CwIdSettings; every
/// change goes straight into the model. Main thread; the settings must
/// outlive the panel.
class CwIdPanel : public QWidget {
  Q_OBJECT

 public:
  explicit CwIdPanel(CwIdSettings& settings, QWidget* parent = nullptr);

  /// Shows what the model holds, without writing anything back.
  void loadFromModel();

 private:
  CwIdSettings& settings_;
  QCheckBox* box_ = nullptr;
  QLineEdit* call_ = nullptr;
  QSpinBox* wpm_ = nullptr;
  QSpinBox* hz_ = nullptr;
};

}  // namespace parlhora
