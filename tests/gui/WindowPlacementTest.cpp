#include <gtest/gtest.h>

#include <QWidget>

#include "app/AnnouncerSettings.h"
#include "app/core/CoreRig.h"
#include "fakes/FakeNotifier.h"
#include "gui/WindowPlacement.h"
#include "gui/WindowSet.h"

namespace parlhora {
namespace {

const QRect kLeft(0, 0, 1280, 1024);
const QRect kRight(1280, 0, 1920, 1080);

// Saved places from a desktop that may have changed since: kept while the
// title bar can be grabbed on some screen, else moved onto the nearest.
TEST(WindowPlacement, PlacesLandOnAVisibleScreen) {
  struct Case {
    qint64 left, top, width, height;
    QRect expected;
  } cases[] = {
      {100, 200, 287, 267, {100, 200, 287, 267}},
      {1190, 10, 300, 200, {1190, 10, 300, 200}},    // across both screens
      {1500, 500, 300, 200, {1500, 500, 300, 200}},  // on the second screen
      {-15, -72, 287, 267, {0, 0, 287, 267}},        // crept above the top
      {5000, 300, 300, 200, {2900, 300, 300, 200}},  // right of everything
      {-2147483648LL, 2147483647LL, 2147483647LL, 10, {0, 1014, 1280, 10}},
      {200, 2000, 300, 0, {200, 1023, 300, 1}},  // a screen that went away below
  };
  for (const Case& c : cases)
    EXPECT_EQ(WindowPlacement::onScreen(c.left, c.top, c.width, c.height, {kLeft, kRight}), c.expected)
        << c.left << "," << c.top;
  // No screen known: nothing to correct against.
  EXPECT_EQ(WindowPlacement::onScreen(-50, -60, 70, 80, {}), QRect(-50, -60, 70, 80));
}

// Hide and show, or a restart, give back the very rectangle that was saved.
TEST(WindowPlacement, WhatIsPlacedIsReadBack) {
  QWidget window;
  WindowPlacement::place(window, 30, 40, 420, 600);
  window.show();
  const QRect placed = WindowPlacement::frameOf(window);
  EXPECT_EQ(placed, QRect(30, 40, 420, 600));
  window.hide();
  WindowPlacement::place(window, placed.left(), placed.top(), placed.width(), placed.height());
  window.show();
  EXPECT_EQ(WindowPlacement::frameOf(window), placed);
}

TEST(WindowPlacement, TheStationWindowOpensAtTheRememberedPlace) {
  CoreRig rig;
  WindowSet set(*rig.core, rig.notifier);
  auto& m = rig.core->settings().mainWindow;
  m.weatherLeft = 120;
  m.weatherTop = 90;
  m.weatherWidth = 500;
  m.weatherHeight = 560;
  rig.core->settings().source = WeatherSource::MON;
  emit rig.core->weather().sourcePicked(WeatherSource::MON, SourceController::Show::InPlaceUnlessMinimised);
  QWidget* monitor = set.windows()[2];
  ASSERT_TRUE(monitor->isVisible());
  EXPECT_EQ(WindowPlacement::frameOf(*monitor).topLeft(), QPoint(120, 90));
  // Already open: it stays where the user has it.
  monitor->move(300, 310);
  emit rig.core->weather().sourcePicked(WeatherSource::MON, SourceController::Show::InPlaceUnlessMinimised);
  EXPECT_EQ(monitor->pos(), QPoint(300, 310));
}

}  // namespace
}  // namespace parlhora
