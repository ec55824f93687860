#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QDateTime>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTemporaryDir>

#include "app/AnnouncerSettings.h"
#include "app/core/CoreRig.h"
#include "fakes/FakeNotifier.h"
#include "gui/GuiTestHelpers.h"
#include "gui/Screenshot.h"
#include "gui/TForm1.h"
#include "gui/TFormCOM.h"
#include "gui/TFormInfo.h"
#include "gui/TrayIcon.h"
#include "gui/WindowSet.h"

namespace parlhora {
namespace {

class Windows : public ::testing::Test {
 protected:
  CoreRig rig;
  AnnouncerSettings& settings = rig.core->settings();
  FakeNotifier& notifier = rig.notifier;
  WindowSet set{*rig.core, notifier};
};

TEST_F(Windows, AllFifteenInStartUpOrderWithTheirCaptions) {
  const std::pair<const char*, const char*> expected[] = {
      {"TForm1", "PARLHORA"},
      {"TFormInfo", "Info"},
      {"TFormMeteo", "Davis Monitor II Wetterstation"},
      {"TFormChoixMeteo", "Wetter-Quelle wählen"},
      {"TFormMeteoW23", "Lacrosse WS-2310 / 2315 / 2355+"},
      {"TFormMeteoW28", "Lacrosse WS-2800 / 3610+"},
      {"TFormMeteoAPRS", "APRS-Wetterdaten"},
      {"TFormMeteoPro2", "Vantage Pro2 Wetterstation"},
      {"TFormMyUnits", "My units"},
      {"TFormFavAPRS", "APRS-Favoriten"},
      {"TFormCOM", "COM-Port "},
      {"TFormRecord", "PARLHORA"},
      {"TFormMeteoMETAR", " METAR-Wetterdaten"},
      {"TFormFavMETAR", "METAR-Favoriten"},
      {"TFormMeteoNet", "Netzwerk-Wetterstation"},
  };
  const QList<QWidget*> windows = set.windows();
  ASSERT_EQ(windows.size(), 15);
  for (int i = 0; i < 15; ++i) {
    EXPECT_EQ(windows[i]->objectName(), expected[i].first);
    EXPECT_EQ(windows[i]->windowTitle(), QString::fromUtf8(expected[i].second)) << expected[i].first;
    EXPECT_TRUE(windows[i]->isHidden()) << "nothing shows before the settings are loaded";
  }
}

TEST_F(Windows, ComWindowControls) {
  QWidget& com = set.com();
  const std::pair<const char*, const char*> boxes[] = {{"CheckBoxDTR", "DTR (pin 4)"},
                                                       {"CheckBoxRTS", "RTS (pin 7)"},
                                                       {"CheckBoxDSR", "DSR (pin 6)"},
                                                       {"CheckBoxCTS", "CTS (pin 8)"},
                                                       {"CheckBoxDCD", "DCD (pin 1)"}};
  for (const auto& [name, text] : boxes) {
    auto* box = com.findChild<QCheckBox*>(name);
    ASSERT_NE(box, nullptr) << name;
    EXPECT_EQ(box->text(), text);
    EXPECT_TRUE(box->isChecked());
  }
  QStringList groups;
  for (auto* g : com.findChildren<QGroupBox*>()) groups << g->title();
  EXPECT_EQ(groups, (QStringList{"PTT-Antrieb (hoch)", "Nachricht hören (->+)", "Nachricht sperren (->+)"}));
  EXPECT_EQ(com.findChild<QLabel*>("Label1")->text(), "COM-Port und aktive Signale wählen");

  com.findChild<QCheckBox*>("CheckBoxRTS")->click();
  EXPECT_FALSE(settings.lines.rts);

  QList<int> picked;
  QObject::connect(&set.com(), &TFormCOM::portPicked, [&picked](int row) { picked << row; });
  set.com().showPorts({"No COM", "ttyS0", "ttyUSB0"}, 2);
  EXPECT_EQ(set.com().selectedRow(), 2);
  EXPECT_TRUE(picked.isEmpty());  // showing a selection is not a pick
  com.show();
  auto* list = com.findChild<QListWidget*>("ListBoxCOM");
  clickAt(list->viewport(), list->visualItemRect(list->item(1)).center());
  EXPECT_EQ(picked, QList<int>{1});
}

TEST_F(Windows, TrayIconTipAndMenu) {
  TrayIcon& tray = set.tray();
  EXPECT_EQ(tray.icon().toolTip(), "Pirolo");
  EXPECT_EQ(tray.menu().objectName(), "PopUpDroit");
  QStringList texts;
  for (QAction* a : tray.menu().actions()) texts << a->text();
  EXPECT_EQ(texts, (QStringList{"Quitter", "Restaurer", "Réduire"}));
  ASSERT_NE(tray.menu().defaultAction(), nullptr);
  EXPECT_EQ(tray.menu().defaultAction()->text(), "Restaurer");

  set.main().hide();
  emit tray.icon().activated(QSystemTrayIcon::DoubleClick);
  EXPECT_TRUE(set.main().isVisible());
  EXPECT_FALSE(set.main().isMinimized());
}

TEST_F(Windows, StartMinimisedWithoutNotificationAreaUsesTheTaskBar) {
  ASSERT_FALSE(TrayIcon::available());  // offscreen
  settings.mainWindow.startMinimised = true;
  set.showAfterLoad();
  EXPECT_TRUE(set.main().isMinimized());
}

TEST_F(Windows, ShowsAtTheRememberedPlace) {
  settings.mainWindow.left = 30;
  settings.mainWindow.top = 200;
  set.showAfterLoad();
  EXPECT_TRUE(set.main().isVisible());
  EXPECT_EQ(set.main().pos(), QPoint(30, 200));
}

TEST_F(Windows, WeatherButtonShowsTheChosenSourceOrTheChooser) {
  set.main().menurVoirMeteoClick();
  EXPECT_TRUE(set.windows()[3]->isVisible());  // no source: the chooser
  settings.source = WeatherSource::METAR;
  set.main().menurVoirMeteoClick();
  QWidget* metar = set.windows()[12];
  EXPECT_TRUE(metar->isVisible());
  metar->move(50, 60);
  set.main().MenuChoixClick();  // hides the weather windows, keeping their place
  EXPECT_FALSE(metar->isVisible());
  EXPECT_EQ(settings.mainWindow.weatherLeft, metar->x());
  EXPECT_EQ(settings.mainWindow.weatherTop, metar->y());
}

TEST_F(Windows, ClosingTheMainWindowClosesTheRest) {
  set.main().show();
  set.main().menurVoirMeteoClick();
  auto closing = countEmissions(&set.main(), &TForm1::closing);
  set.main().close();
  EXPECT_EQ(*closing, 1);
  for (QWidget* w : set.windows()) EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
}

TEST_F(Windows, InfoAndHelpThatCannotOpenSaySoAndLogIt) {
  auto* link = set.info().findChild<QLabel*>("LabelUrl3");
  auto* error = set.info().findChild<QLabel*>("StaticTextErreur");
  ASSERT_TRUE(link && error);
  EXPECT_FALSE(link->openExternalLinks()) << "the window opens it, to see a failure";
  set.info().openUrl = [](const QUrl&) { return false; };
  emit link->linkActivated("https://parlhora.example.org/");
  const QString cause =
      QString::fromUtf8("Fehler: kein Web-Browser für https://parlhora.example.org/ gefunden");
  EXPECT_EQ(error->text(), cause);
  EXPECT_FALSE(error->isHidden());
  ASSERT_FALSE(rig.core->log().lines().isEmpty());
  EXPECT_TRUE(rig.core->log().lines().last().endsWith(" " + cause));

  set.info().openUrl = [](const QUrl&) { return true; };
  emit link->linkActivated("https://parlhora.example.org/");
  EXPECT_TRUE(error->isHidden());

  set.main().MenuHilfeClick();  // the rig's program folder holds no help page
  EXPECT_TRUE(rig.core->log().lines().last().endsWith(" Fehler: parlhora_help.html nicht vorhanden"));
  EXPECT_EQ(notifier.beeps, 1);
}

TEST_F(Windows, ScreenshotOfTheMainWindow) {
  QTemporaryDir dir;
  const QString png = dir.filePath("main-window.png");
  set.main().setVersion("2.2.3");
  set.main().showDateTime(QDateTime(QDate(2026, 3, 5), QTime(14, 35, 0)));
  set.main().setStatusText("PARLHORA DONE");
  ASSERT_TRUE(saveMainWindowScreenshot(set.main(), png));
  const QImage image(png);
  EXPECT_FALSE(image.isNull());
  EXPECT_GT(image.width(), 200);
  EXPECT_GT(image.height(), 200);
  EXPECT_FALSE(set.main().isVisible());  // a hidden window stays hidden
  EXPECT_FALSE(saveMainWindowScreenshot(set.main(), dir.filePath("no/such/folder/x.png")));
  // Refreshes the picture in docs/ when asked to.
  if (qEnvironmentVariableIsSet("PARLHORA_SCREENSHOT")) {
    EXPECT_TRUE(saveMainWindowScreenshot(set.main(), qEnvironmentVariable("PARLHORA_SCREENSHOT")));
  }
}

}  // namespace
}  // namespace parlhora
