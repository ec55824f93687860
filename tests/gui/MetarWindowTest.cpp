#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "fakes/FakeNotifier.h"
#include "gui/GuiTestHelpers.h"
#include "gui/TFormMeteoMETAR.h"
#include "internet/MetarSource.h"
#include "platform/VirtualClock.h"
#include "weather/UnitFactors.h"

namespace parlhora {
namespace {

TEST(MetarWindow, ShowsTheSourceAndForwardsItsEvents) {
  QTemporaryDir dir;
  QFile report(dir.filePath("station.txt"));
  ASSERT_TRUE(report.open(QIODevice::WriteOnly));
  report.write("LFPG 071030Z 24015G25KT 9999 70/08 Q1013\r\n");
  report.close();
  VirtualClock clock(QDateTime(QDate(2026, 12, 7), QTime(12, 0)));
  FakeNotifier notifier;
  UnitFactors units;
  SourceContext context{clock, notifier, units, dir.path(), {}};
  WebSourceSettings settings = WebSourceSettings::metarDefaults();
  settings.boxes.vitVent = true;
  MetarSource source(context, settings);
  source.applySettings();
  TFormMeteoMETAR window(source);

  auto* edit = window.findChild<QLineEdit*>("EditDat");
  auto* temperature = window.findChild<QCheckBox*>("CheckBoxText");
  ASSERT_TRUE(edit && temperature);
  EXPECT_EQ(window.windowTitle(), " METAR-Wetterdaten");
  EXPECT_EQ(window.findChild<QComboBox*>("ComboBoxPath")->count(), 2);  // the fresh install's examples
  EXPECT_TRUE(window.findChild<QCheckBox*>("CheckBoxVent")->isChecked());
  for (const char* name :
       {"ButtonRafraichir", "ButtonFav", "SpeedButtonMenuAide", "SpinEditRafraichir",
        "SpinEditOffSetPression", "ComboBoxTU", "LabelICAO", "LabelNomICAO", "Editdatemeteo",
        "StaticTextErreur", "Label6", "LabelTros", "CheckBoxTRes", "CheckBoxPluie"})
    EXPECT_NE(window.findChild<QWidget*>(name), nullptr) << name;

  edit->setText("station.txt //Roissy");
  emit edit->textEdited(edit->text());
  EXPECT_EQ(settings.address, "station.txt //Roissy");
  EXPECT_EQ(window.findChild<QLabel*>("LabelNomICAO")->text(), "Roissy");
  window.findChild<QPushButton*>("ButtonRafraichir")->click();
  EXPECT_EQ(temperature->text(), "Aussen-T (°C) = 70.0");
  EXPECT_FALSE(temperature->styleSheet().isEmpty());  // out of range: red
  EXPECT_EQ(window.findChild<QLabel*>("LabelICAO")->text(), "Airport code = LFPG");
  EXPECT_EQ(window.findChild<QComboBox*>("ComboBoxPath")->currentText(), "station.txt //Roissy");
  temperature->click();
  EXPECT_TRUE(settings.boxes.tempExt);
  const auto favourites = countEmissions(&window, &TFormMeteoMETAR::favouritesRequested);
  window.findChild<QPushButton*>("ButtonFav")->click();
  EXPECT_EQ(*favourites, 1);
}

}  // namespace
}  // namespace parlhora
