#include <gtest/gtest.h>

#include <vector>

#include "platform/ClockTimer.h"
#include "platform/VirtualClock.h"

using namespace parlhora;

namespace {
QDateTime at(const char* text) { return QDateTime::fromString(text, "yyyy-MM-dd hh:mm:ss"); }
}  // namespace

TEST(VirtualClock, CallbacksFireInDueOrderAndTimeFollows) {
  VirtualClock clock(at("2026-03-05 14:35:00"));
  std::vector<int> order;
  clock.callAfter(200, [&] { order.push_back(2); });
  clock.callAfter(100, [&] { order.push_back(1); });
  clock.callAfter(100, [&] { order.push_back(11); });
  const auto cancelled = clock.callAfter(150, [&] { order.push_back(99); });
  clock.cancel(cancelled);
  clock.waitMs(250);
  EXPECT_EQ(order, (std::vector<int>{1, 11, 2}));
  EXPECT_EQ(clock.monotonicMs(), 250);
  EXPECT_EQ(clock.now(), at("2026-03-05 14:35:00").addMSecs(250));
}

TEST(VirtualClock, NestedWaitsNeverMoveTimeBackwards) {
  VirtualClock clock(at("2026-03-05 14:35:00"));
  std::int64_t seenInner = -1;
  clock.callAfter(10, [&] {
    clock.waitMs(500);  // a pause inside a device event, as the engine does
    seenInner = clock.monotonicMs();
  });
  clock.callAfter(20, [&] {});
  clock.waitMs(100);
  EXPECT_EQ(seenInner, 510);
  EXPECT_EQ(clock.monotonicMs(), 510);
}

TEST(VirtualClock, WallJumpLeavesMonotonicTime) {
  VirtualClock clock(at("2026-03-05 14:35:00"));
  clock.jumpWallClock(-3600 * 1000);
  EXPECT_EQ(clock.monotonicMs(), 0);
  EXPECT_EQ(clock.now(), at("2026-03-05 13:35:00"));
}

TEST(ClockTimer, RepeatsUntilStoppedAndCanBeReaimed) {
  VirtualClock clock(at("2026-03-05 14:35:00"));
  int ticks = 0;
  ClockTimer timer(clock, [&] { ++ticks; });
  timer.start(1000);
  clock.runFor(3500);
  EXPECT_EQ(ticks, 3);
  timer.fireIn(100);
  clock.runFor(100);
  EXPECT_EQ(ticks, 4);
  timer.stop();
  clock.runFor(5000);
  EXPECT_EQ(ticks, 4);
  EXPECT_FALSE(timer.isActive());
}
