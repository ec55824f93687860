#include <gtest/gtest.h>

#include <QPushButton>

#include "app/AnnouncerSettings.h"
#include "app/core/CoreRig.h"
#include "fakes/FakeNotifier.h"
#include "gui/TFormFavAPRS.h"
#include "gui/TFormFavMETAR.h"
#include "gui/TFormMeteoAPRS.h"
#include "gui/TFormMeteoMETAR.h"
#include "gui/WindowSet.h"

namespace parlhora {
namespace {

// Local file addresses: a click refreshes without any network.
TEST(FavouriteWindows, SlotButtonsFillTheVisibleSourceWindows) {
  CoreRig rig;
  AnnouncerSettings& settings = rig.core->settings();
  WindowSet set{*rig.core, rig.notifier};
  settings.aprs.favourites[1] = "two.txt //Zwei";
  settings.aprs.favourites[2] = "three.txt";
  settings.metar.favourites[0] = "metar1.txt";
  set.favAprs().loadFromModel();
  set.favMetar().loadFromModel();
  auto click = [](QWidget& window, const char* button) { window.findChild<QPushButton*>(button)->click(); };

  set.metar().show();
  set.aprs().show();
  click(set.favAprs(), "Button2");  // F2 serves both windows
  EXPECT_EQ(settings.aprs.address, "two.txt //Zwei");
  EXPECT_EQ(settings.metar.address, "two.txt //Zwei");
  click(set.favAprs(), "Button3");
  EXPECT_EQ(settings.aprs.address, "three.txt");
  EXPECT_EQ(settings.metar.address, "two.txt //Zwei");
  click(set.favAprs(), "Button4");  // empty
  EXPECT_EQ(settings.aprs.address, "three.txt");
  click(set.favMetar(), "Button1");
  EXPECT_EQ(settings.metar.address, "metar1.txt");
  EXPECT_EQ(settings.aprs.address, "three.txt");

  set.metar().hide();
  click(set.favAprs(), "Button2");
  EXPECT_EQ(settings.metar.address, "metar1.txt");
  EXPECT_EQ(settings.aprs.address, "two.txt //Zwei");

  // Typing into a slot is what the settings file saves.
  auto* edit = set.favAprs().findChild<QLineEdit*>("Edit10");
  edit->setText("ten.txt");
  emit edit->textEdited("ten.txt");
  EXPECT_EQ(settings.aprs.favourites[9], "ten.txt");
}

}  // namespace
}  // namespace parlhora
