#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/SettingsFile.h"
#include "app/core/CoreRig.h"
#include "gui/CoreBinding.h"
#include "gui/TForm1.h"
#include "gui/TFormChoixMeteo.h"
#include "gui/TFormMeteoAPRS.h"
#include "gui/TFormMeteoW23.h"
#include "gui/TFormMyUnits.h"
#include "gui/WindowSet.h"

namespace parlhora {
namespace {

// The windowed program on the core's test rig (fakes, virtual clock).
struct Program {
  explicit Program(const QByteArray& ini) : rig(&ini) {
    windows = std::make_unique<WindowSet>(*core, notifier);
    binding = std::make_unique<CoreBinding>(*windows, *core);
    core->FormCreate();
    clock.runFor(600);  // the first tick loads the settings
  }
  QString iniPath() const { return QDir(rig.home.path()).filePath("parlhora.ini"); }
  QByteArray ini() const { return rig.read("parlhora.ini"); }
  QLineEdit* editData() { return windows->main().findChild<QLineEdit*>("EditData"); }

  CoreRig rig;
  VirtualClock& clock = rig.clock;
  FakeWaveOut& waveOut = rig.waveOut;
  FakeSerialLines& serial = rig.serial;
  FakeNotifier& notifier = rig.notifier;
  FakeAutostart& autostart = rig.autostart;
  std::unique_ptr<ParlhoraCore>& core = rig.core;
  std::unique_ptr<WindowSet> windows;
  std::unique_ptr<CoreBinding> binding;
};

TEST(CoreBinding, LoadingFillsTheWindowsAndStartsMinimisedWithoutSaving) {
  const QByteArray ini = "[PARLHORA V2.2.3]\r\nREDUCE=Y\r\nSTART_RANGE=7\r\nFINAL=Y\r\n";
  Program p(ini);
  ASSERT_TRUE(p.core->loaded());
  TForm1& main = p.windows->main();
  EXPECT_EQ(main.windowTitle(), "PARLHORA V2.2.3");
  EXPECT_TRUE(main.hourItems()[7]->isChecked());
  EXPECT_TRUE(main.findChild<QAbstractButton*>("CheckBoxFin")->isChecked());
  EXPECT_TRUE(main.isMinimized());  // no notification area offscreen
  EXPECT_EQ(p.ini(), ini);
  EXPECT_FALSE(main.findChild<QLineEdit*>("EditTime")->text().trimmed().isEmpty());
}

TEST(CoreBinding, Button1RunsAnAnnouncementAndTheWindowFollows) {
  Program p("[PARLHORA V2.2.3]\r\n");
  auto* button1 = p.windows->main().findChild<QPushButton*>("Button1");
  button1->click();
  EXPECT_EQ(p.editData()->text(), "PARLHORA SPIEL");
  EXPECT_FALSE(button1->isEnabled());
  p.clock.runFor(30000);
  EXPECT_EQ(p.editData()->text(), "PARLHORA DONE");
  EXPECT_TRUE(button1->isEnabled());
}

// Qt drops the shortcut of an invisible action; a real key press must reach it.
TEST(CoreBinding, CtrlAltEPressedTogglesTheErrorSimulation) {
  Program p("[PARLHORA V2.2.3]\r\n");
  TForm1& main = p.windows->main();
  main.showNormal();
  QApplication::setActiveWindow(&main);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
  QTest::keyClick(&main, Qt::Key_E, Qt::ControlModifier | Qt::AltModifier);
  EXPECT_EQ(p.editData()->text(), "err simu");
  EXPECT_TRUE(p.core->announcer().sequencer().errorSimulation());
  QTest::keyClick(&main, Qt::Key_E, Qt::ControlModifier | Qt::AltModifier);
  EXPECT_EQ(p.editData()->text(), "simu err reset");
}

TEST(CoreBinding, ClosingTheMainWindowSavesTheSettings) {
  Program p("[PARLHORA V2.2.3]\r\n");
  p.windows->main().hourItems()[25 + 19]->trigger();
  p.windows->main().close();
  EXPECT_TRUE(p.ini().contains("END_RANGE=19\r\n"));
  EXPECT_TRUE(p.ini().contains("LEFT=4\r\n"));
}

}  // namespace
}  // namespace parlhora

namespace parlhora {
namespace {

TEST(CoreBinding, ChooserAndUnitsWindowsActOnTheWeatherService) {
  Program p("[PARLHORA V2.2.3]\r\n");
  p.windows->showChooser();
  p.windows->chooser().findChild<QAbstractButton*>("RadioButtonW23")->click();
  EXPECT_EQ(p.core->weather().chosen(), WeatherSource::W23);
  EXPECT_TRUE(p.windows->w23().isVisible());
  EXPECT_FALSE(p.windows->chooser().isVisible());

  // Through the menu, as a user reaches it, and into the saved file.
  p.windows->main().findChild<QAction*>("MenuUnits")->trigger();
  ASSERT_TRUE(p.windows->units().isVisible());
  p.windows->units().findChild<QAbstractButton*>("RadioButtonTf")->click();
  EXPECT_FALSE(p.core->settings().units.celsius);
  EXPECT_TRUE(p.core->weather().units().fahrenheit());
  EXPECT_TRUE(SettingsFile::splitLines(SettingsFile::save(p.core->settings())).contains("UNITTC=N"));
}

// Before any reading the APRS captions are in the loaded units, and each raw
// unit stays chosen however often its button is clicked.
TEST(CoreBinding, AprsWindowUnitsFromTheStart) {
  Program p("[PARLHORA V2.2.3]\r\nUNITTC=N\r\nAPRS_KNOT=Y\r\n");
  QWidget& aprs = p.windows->aprs();
  EXPECT_EQ(aprs.findChild<QAbstractButton*>("CheckBoxTRes")->text(), "gefühlt (°F) = ");
  EXPECT_EQ(aprs.findChild<QLabel*>("LabelTros")->text(), "Taupunkt (°F) = ");
  const char* wind[] = {"RadioButtonKM", "RadioButtonMile", "RadioButtonKnot"};
  for (const char* clicked : {"RadioButtonKnot", "RadioButtonMile", "RadioButtonMile", "RadioButtonKnot",
                              "RadioButtonKnot", "RadioButtonKM"}) {
    QTest::mouseClick(aprs.findChild<QAbstractButton*>(clicked), Qt::LeftButton);
    for (const char* b : wind)
      EXPECT_EQ(aprs.findChild<QAbstractButton*>(b)->isChecked(), qstrcmp(b, clicked) == 0) << clicked << b;
  }
  EXPECT_EQ(p.core->settings().aprs.rawWind, RawWindUnit::Kmh);
  QTest::mouseClick(aprs.findChild<QAbstractButton*>("RadioButtonDegF"), Qt::LeftButton);
  EXPECT_TRUE(aprs.findChild<QAbstractButton*>("RadioButtonDegF")->isChecked());
  EXPECT_TRUE(aprs.findChild<QAbstractButton*>("RadioButtonKM")->isChecked());
}

TEST(CoreBinding, FormMeteoFollowsWhetherAWeatherWindowIsVisible) {
  {
    Program p("[PARLHORA V2.2.3]\r\n");
    p.windows->main().close();
    EXPECT_TRUE(p.ini().contains("FORMMETEO=N\r\n"));
  }
  {
    Program p("[PARLHORA V2.2.3]\r\nFORMMETEO=N\r\n");
    p.core->weather().choose(WeatherSource::W23);
    ASSERT_TRUE(p.windows->w23().isVisible());
    p.windows->main().close();
    EXPECT_FALSE(p.ini().contains("FORMMETEO=N"));
  }
}

}  // namespace
}  // namespace parlhora
