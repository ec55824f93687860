#include <gtest/gtest.h>

#include <QLocale>

#include "app/ScheduleSettings.h"
#include "app/Scheduler.h"
#include "audio/AnnouncementOptions.h"
#include "platform/VirtualClock.h"

using namespace parlhora;

namespace {

/// The tick with stand-ins for the other parts: clicks are recorded with
/// their wall time, `busyUntilMs` keeps the announcement busy.
struct TickRig {
  explicit TickRig(QDateTime start, int period = 1, int from = 0, int to = 24) : clock(std::move(start)) {
    settings.startHour = from;
    settings.endHour = to;
    scheduler.setPeriodPosition(period);
    Scheduler::Wiring w;
    w.busy = [this]() { return clock.monotonicMs() < busyUntilMs; };
    w.loading = [this]() { return loading; };
    w.loadSettings = [this]() {
      ++loads;
      loading = false;
    };
    w.pollLines = [this]() { polls << clock.now(); };
    w.hourlyLog = [this](int h, int m) {
      logs << h * 100 + m;
      return true;
    };
    w.clickButton1 = [this]() {
      clicks << clock.now();
      if (refuse) return;
      busyUntilMs = clock.monotonicMs() + announcementMs;
    };
    scheduler.setWiring(std::move(w));
  }

  QStringList clickTimes() const {
    QStringList out;
    for (const QDateTime& t : clicks) out << t.toString(QStringLiteral("hh:mm:ss.zzz"));
    return out;
  }

  VirtualClock clock;
  ScheduleSettings settings;
  AnnouncementOptions options;
  Scheduler scheduler{clock, settings, options};
  QList<QDateTime> clicks;
  QList<QDateTime> polls;
  QList<int> logs;
  std::int64_t busyUntilMs = 0;
  std::int64_t announcementMs = 20000;
  bool loading = true;
  bool refuse = false;
  int loads = 0;
};

QDateTime at(int h, int m, int s, int ms = 0) { return QDateTime(QDate(2024, 3, 5), QTime(h, m, s, ms)); }

}  // namespace

TEST(Tick, FirstTickLoadsThenTicksOnTheSecond) {
  TickRig rig(at(12, 4, 58, 300));
  rig.scheduler.start();
  rig.clock.runFor(499);
  EXPECT_EQ(rig.loads, 0);
  rig.clock.runFor(1);
  EXPECT_EQ(rig.loads, 1);
  rig.clock.runUntil(at(12, 5, 30));
  EXPECT_EQ(rig.loads, 1);
  // Due at 12:05:00: started a couple of milliseconds after the second.
  EXPECT_EQ(rig.clickTimes(), QStringList{QStringLiteral("12:05:00.002")});
  EXPECT_EQ(rig.scheduler.time().minute, 5);
}

TEST(Tick, DisplayTexts) {
  TickRig rig(at(9, 7, 3));
  rig.scheduler.TimerSecondeTimer();
  const QLocale locale = QLocale::system();
  EXPECT_EQ(rig.scheduler.editTime(),
            QLatin1Char(' ') + locale.toString(QTime(9, 7, 3), QLocale::LongFormat));
  EXPECT_EQ(rig.scheduler.editDate(),
            QLatin1Char(' ') + locale.toString(QDate(2024, 3, 5), QLocale::ShortFormat));
}

TEST(Tick, TickStaysOnTheSecondWhenTheClockIsSet) {
  TickRig rig(at(12, 3, 10, 0));
  rig.scheduler.start();
  rig.clock.runFor(3000);
  // Someone sets the clock 450 ms and a minute and a half forward.
  rig.clock.jumpWallClock(90450);
  rig.clock.runUntil(at(12, 10, 0, 500));
  ASSERT_EQ(rig.clicks.size(), 2);
  // Jumped into a due minute: it starts at once, then on the second again.
  EXPECT_EQ(rig.clicks[0].time().minute(), 5);
  EXPECT_EQ(rig.clickTimes()[1], QStringLiteral("12:10:00.002"));
}

TEST(Tick, ClockSetBackAcrossAStartedMinuteDoesNotRepeatIt) {
  TickRig rig(at(12, 4, 50));
  rig.announcementMs = 5000;
  rig.scheduler.start();
  rig.clock.runUntil(at(12, 5, 10));
  ASSERT_EQ(rig.clicks.size(), 1);
  rig.clock.jumpWallClock(-30000);  // back to 12:04:40
  rig.clock.runUntil(at(12, 5, 30));
  EXPECT_EQ(rig.clicks.size(), 1);
  rig.clock.runUntil(at(12, 10, 1));
  EXPECT_EQ(rig.clicks.size(), 2);
}

TEST(Tick, RefusedStartIsNotRetried) {
  TickRig rig(at(12, 4, 59));
  rig.refuse = true;
  rig.scheduler.start();
  rig.clock.runUntil(at(12, 5, 59));
  EXPECT_EQ(rig.clicks.size(), 1);
  rig.refuse = false;
  rig.clock.runUntil(at(12, 6, 59));
  EXPECT_EQ(rig.clicks.size(), 1);
  rig.clock.runUntil(at(12, 10, 1));
  EXPECT_EQ(rig.clicks.size(), 2);
}

TEST(Tick, LinesNotPolledWhileBusyNorInTheStartedMinute) {
  TickRig rig(at(12, 4, 58));
  rig.announcementMs = 10000;
  rig.scheduler.start();
  rig.clock.runUntil(at(12, 6, 0, 500));
  for (const QDateTime& t : rig.polls) EXPECT_NE(t.time().minute(), 5) << t.toString().toStdString();
  EXPECT_EQ(rig.polls.last().time(), QTime(12, 6, 0, 2));
  // Outside the active window (or with no period) the lines are polled every second.
  TickRig off(at(12, 0, 0), 0);
  off.scheduler.start();
  off.clock.runFor(10500);
  EXPECT_TRUE(off.clicks.isEmpty());
  EXPECT_EQ(off.polls.size(), 11);
}

TEST(Tick, LongAnnouncementBlocksOnlyItsOwnSlot) {
  TickRig rig(at(11, 59, 59), 1);
  rig.announcementMs = 90000;  // 12:00 runs past 12:01
  rig.scheduler.start();
  rig.clock.runUntil(at(12, 5, 1));
  EXPECT_EQ(rig.clickTimes(), (QStringList{"12:00:00.002", "12:05:00.002"}));
}

TEST(Tick, HourlyLogOncePerHour) {
  TickRig rig(at(11, 59, 50), 0);
  rig.scheduler.start();
  rig.clock.runUntil(at(13, 0, 30));
  EXPECT_EQ(rig.logs, (QList<int>{1200, 1300}));
}

TEST(Controls, PeriodText) {
  TickRig rig(at(0, 0, 0));
  const QStringList texts = {"0", "5", "10", "15", "20", "30", "60"};
  for (int p = 0; p < texts.size(); ++p) {
    rig.scheduler.setPeriodPosition(p);
    EXPECT_EQ(rig.scheduler.edit1(), texts[p]);
  }
  rig.scheduler.setPeriodPosition(7);
  EXPECT_EQ(rig.scheduler.edit1(), QStringLiteral("60"));
  rig.scheduler.setPeriodPosition(-1);
  EXPECT_EQ(rig.scheduler.edit1(), QStringLiteral("60"));
}

TEST(Controls, HourMenus) {
  TickRig rig(at(0, 0, 0));
  HourMenus& menus = rig.scheduler.hourMenus();
  EXPECT_EQ(menus.startCaption(), QStringLiteral("Startstunde (00h)"));
  EXPECT_EQ(menus.endCaption(), QStringLiteral("Endstunde (24h)"));
  EXPECT_TRUE(menus.D00Click(QStringLiteral("D07")));
  EXPECT_EQ(rig.settings.startHour, 7);
  EXPECT_EQ(menus.startCaption(), QStringLiteral("Startstunde (07h)"));
  EXPECT_FALSE(menus.D00Click(QStringLiteral("D07")));  // already checked
  EXPECT_TRUE(menus.F00Click(QStringLiteral("F19")));
  EXPECT_EQ(rig.settings.endHour, 19);
  EXPECT_EQ(menus.endCaption(), QStringLiteral("Endstunde (19h)"));
  EXPECT_EQ(menus.checkedEndItem(), QStringLiteral("F19"));
  // Not an item of that menu.
  for (const char* bad : {"F08", "D7", "D007", "D25", "Dx1", ""})
    EXPECT_FALSE(menus.D00Click(QString::fromLatin1(bad)));
  EXPECT_EQ(rig.settings.startHour, 7);
  menus.loadHours(22, 6);
  EXPECT_EQ(rig.settings.startHour, 22);
  EXPECT_EQ(rig.settings.endHour, 6);
  EXPECT_EQ(menus.checkedStartItem(), QStringLiteral("D22"));
}

TEST(Controls, TimeFormatsExcludeEachOther) {
  TickRig rig(at(0, 0, 0));
  rig.scheduler.CheckBoxNoMinuteClick(true);
  EXPECT_TRUE(rig.options.noMinuteWord);
  EXPECT_FALSE(rig.options.hourWithWords);
  rig.scheduler.CheckBoxHeureClick(true);
  EXPECT_TRUE(rig.options.hourWithWords);
  EXPECT_FALSE(rig.options.noMinuteWord);
  rig.scheduler.CheckBoxHeureClick(false);
  EXPECT_FALSE(rig.options.hourWithWords);
  EXPECT_FALSE(rig.options.noMinuteWord);
}
