#pragma once

#include <QStringList>
#include <QWidget>
#include <memory>

namespace Ui {
class TFormCOM;
}

namespace parlhora {

struct LineOptions;

/// The COM window ("COM-Port "): the port list and the five line options.
/// The check boxes write straight into `options`; picking a port is a signal
/// for the serial control, which answers with showPorts(). Main thread only;
/// `options` must outlive the window.
class TFormCOM : public QWidget {
  Q_OBJECT

 public:
  explicit TFormCOM(LineOptions& options, QWidget* parent = nullptr);
  ~TFormCOM() override;
  TFormCOM(const TFormCOM&) = delete;
  TFormCOM& operator=(const TFormCOM&) = delete;

  /// Sets the check boxes from the model (after loading the settings file).
  void loadFromModel();
  /// Fills ListBoxCOM and selects row `selected` (-1 for none).
  void showPorts(const QStringList& ports, int selected);
  int selectedRow() const;

 signals:
  /// The window is about to show: the serial control copies its list (FormShow).
  void shown();
  /// The user picked row `index` of ListBoxCOM.
  void portPicked(int index);

 public slots:
  void ListBoxCOMClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  std::unique_ptr<Ui::TFormCOM> ui_;
  LineOptions& options_;
};

}  // namespace parlhora
