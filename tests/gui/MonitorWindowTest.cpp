#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

#include "fakes/FakeNotifier.h"
#include "gui/TFormMeteo.h"
#include "platform/StationPort.h"
#include "platform/VirtualClock.h"
#include "stations/MonitorSource.h"
#include "weather/SourceContext.h"
#include "weather/UnitFactors.h"

namespace parlhora {
namespace {

// No station on this machine: every port stays shut.
class AbsentStationPort : public StationPort {
 public:
  QString open(const QString&, int) override { return QStringLiteral("open: No such file or directory"); }
  bool isOpen() const override { return false; }
  bool write(const QByteArray&) override { return false; }
  std::optional<QByteArray> read(int, int) override { return std::nullopt; }
  void discardInput() override {}
  void close() override {}
};

template <class W>
W* control(QWidget& form, const char* name) {
  return form.findChild<W*>(QLatin1String(name));
}

TEST(MonitorWindow, ShowsTheSourceAndItsClicksReachIt) {
  VirtualClock clock(QDateTime(QDate(2026, 3, 5), QTime(14, 0)));
  FakeNotifier notifier;
  UnitFactors units;
  SourceContext context{clock, notifier, units, {}, {}};
  MonitorSettings settings;
  settings.boxes.tempExt = true;
  settings.refreshMinutes = 7;
  AbsentStationPort port;
  MonitorSource::Wiring wiring;
  wiring.portList = [] { return QStringList{"No COM", "COM1"}; };
  MonitorSource source(context, settings, port, wiring);
  TFormMeteo form(source, settings);

  EXPECT_EQ(form.windowTitle(), "Davis Monitor II Wetterstation");
  EXPECT_TRUE(control<QCheckBox>(form, "CheckBoxText")->isChecked());
  EXPECT_EQ(control<QSpinBox>(form, "SpinEditRafraichir")->value(), 7);
  EXPECT_EQ(control<QPushButton>(form, "ButtonPort")->text(), "COM=0");
  EXPECT_EQ(control<QLabel>(form, "LabelVersion")->text(), "DLL-Version: ");

  form.show();
  auto* list = control<QListWidget>(form, "ListBoxPort");
  EXPECT_FALSE(list->isVisible());
  control<QPushButton>(form, "ButtonPort")->click();
  ASSERT_TRUE(list->isVisible());
  ASSERT_EQ(list->count(), 2);
  list->setCurrentRow(1);
  form.ListBoxPortClick();
  EXPECT_FALSE(list->isVisible());
  EXPECT_EQ(settings.port, "1");
  EXPECT_EQ(control<QPushButton>(form, "ButtonPort")->text(), "COM=1");
  EXPECT_EQ(control<QLabel>(form, "StaticTextStatus")->text(), "Fehler: COM-Port");

  control<QCheckBox>(form, "CheckBoxTint")->click();
  control<QCheckBox>(form, "CheckBoxlog")->click();
  EXPECT_TRUE(settings.boxes.tempInt && settings.hourlyLog);
  control<QSpinBox>(form, "SpinEditRafraichir")->setValue(12);
  EXPECT_EQ(settings.refreshMinutes, 12);
  EXPECT_EQ(source.intervalMs(), 12 * 60000);

  units.RadioButtonTfClick();
  form.hide();
  form.show();
  EXPECT_EQ(control<QCheckBox>(form, "CheckBoxTint")->text(), QString::fromUtf8("Innen-T (°F)= "));

  control<QPushButton>(form, "ButtonPort")->click();
  list->setCurrentRow(0);
  form.ListBoxPortClick();
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(settings.port, "0");
}

}  // namespace
}  // namespace parlhora
