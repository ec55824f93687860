#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>

#include "fakes/FakeNotifier.h"
#include "gui/HistoryFileView.h"
#include "gui/TFormMeteoPro2.h"
#include "gui/TFormMeteoW28.h"
#include "platform/VirtualClock.h"
#include "stations/Pro2Controller.h"
#include "stations/StationFiles.h"
#include "stations/W28Controller.h"

namespace parlhora {
namespace {

struct StationWindowRig {
  QTemporaryDir dir;
  VirtualClock clock{QDateTime(QDate(2026, 3, 1), QTime(0, 5))};
  FakeNotifier notifier;
  UnitFactors units;
  SourceContext context{clock, notifier, units, {}, {}};
  HistoryFileSettings settings;
};

TEST(StationWindows, W28ShowsItsSourceAndWritesItsSettings) {
  StationWindowRig rig;
  W28Controller source(rig.context, rig.settings);
  TFormMeteoW28 window(source, rig.settings);
  test::W28Rec rec;
  rec.humOut = 120.0f;
  rec.pAbs = 973.0f;
  const QString file = rig.dir.filePath("history.dat");
  test::writeFile(file, rec.bytes());

  window.view()->chooseFile = [](const QString& filter, const QString& suffix) {
    EXPECT_EQ(filter, "Fichiers history.dat|*.dat");
    EXPECT_EQ(suffix, "dat");
    return QString();
  };
  window.findChild<QPushButton*>("ButtonParcourir")->click();
  EXPECT_EQ(window.findChild<QLineEdit*>("EditDat")->text(), QString()) << "cancelled";

  window.view()->chooseFile = [&](const QString&, const QString&) { return file; };
  window.findChild<QPushButton*>("ButtonParcourir")->click();
  EXPECT_EQ(window.findChild<QLineEdit*>("EditDat")->text(), file);
  EXPECT_EQ(window.findChild<QCheckBox*>("CheckBoxPatm")->text(), "Luftdruck (hPa) = 973.0");
  auto* humidity = window.findChild<QCheckBox*>("CheckBoxHumiExt");
  EXPECT_EQ(humidity->text(), "Feuchte (%) = 120");
  EXPECT_TRUE(humidity->styleSheet().contains("red"));
  EXPECT_EQ(window.findChild<QLineEdit*>("Editdatemeteo")->text(), "15.03.2023 12:00");

  window.findChild<QRadioButton*>("RadioButtonPREL")->click();
  EXPECT_FALSE(rig.settings.absolutePressure);
  window.findChild<QPushButton*>("ButtonRafraichir")->click();
  EXPECT_EQ(window.findChild<QCheckBox*>("CheckBoxPatm")->text(), "Luftdruck (hPa) = 1013.0");

  window.findChild<QCheckBox*>("CheckBoxPluie")->click();
  EXPECT_TRUE(rig.settings.boxes.pluie);
  auto* threshold = window.findChild<QSpinBox*>("SpinEditSeuiltendance");
  EXPECT_EQ(threshold->maximum(), 40);
  threshold->setValue(25);
  EXPECT_DOUBLE_EQ(source.tendThreshold(), 2.5);
  EXPECT_EQ(window.findChild<QGroupBox*>("GroupBoxDruck")->title(), "Druck");

  window.view()->chooseFile = [&](const QString&, const QString&) { return rig.dir.filePath("gone.dat"); };
  window.findChild<QPushButton*>("ButtonParcourir")->click();
  EXPECT_EQ(window.findChild<QLabel*>("StaticTextErreur")->text(), "Dateifehler");
  EXPECT_EQ(window.findChild<QLineEdit*>("EditDat")->text(), QString());
  EXPECT_EQ(humidity->text(), "Feuchte (%) =");
  EXPECT_FALSE(humidity->styleSheet().contains("red"));
}

TEST(StationWindows, Pro2ControlsFromTheSettings) {
  StationWindowRig rig;
  rig.settings.currentMonthFile = false;
  rig.settings.trendThreshold = 7;
  rig.settings.boxes.tempExt = true;
  Pro2Controller source(rig.context, rig.settings);
  TFormMeteoPro2 window(source, rig.settings);
  EXPECT_FALSE(window.findChild<QCheckBox*>("CheckBoxFichier")->isChecked());
  EXPECT_EQ(window.findChild<QCheckBox*>("CheckBoxFichier")->text(),
            "Nach der Datei des aktuellen Monats immer suchen");
  EXPECT_EQ(window.findChild<QSpinBox*>("SpinEditSeuiltendance")->value(), 7);
  EXPECT_TRUE(window.findChild<QCheckBox*>("CheckBoxText")->isChecked());
  EXPECT_EQ(window.findChild<QPushButton*>("ButtonRafraichir")->text(), "Aktualisiern");
  EXPECT_EQ(window.findChild<QLabel*>("LabelHumInt")->text(), "Innenfeuchte (%) =");

  window.findChild<QCheckBox*>("CheckBoxFichier")->click();
  EXPECT_TRUE(rig.settings.currentMonthFile);
  test::writeFile(rig.dir.filePath("2026-03.wlk"), test::pro2File({test::Pro2Rec{}}, {{1, 1}}));
  window.view()->chooseFile = [&](const QString& filter, const QString&) {
    EXPECT_EQ(filter, "Fichier weatherlink wlk|*.wlk");
    return rig.dir.filePath("2026-03.wlk");
  };
  window.findChild<QPushButton*>("ButtonParcourir")->click();
  EXPECT_EQ(window.findChild<QCheckBox*>("CheckBoxText")->text(), "Aussen-T (°C) = 20.0");
  EXPECT_EQ(window.findChild<QLabel*>("Label6")->text(), "hPa");
}

}  // namespace
}  // namespace parlhora
