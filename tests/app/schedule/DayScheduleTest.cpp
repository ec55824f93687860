#include <gtest/gtest.h>

#include "app/DaySchedule.h"
#include "app/ScheduleSettings.h"

using namespace parlhora;

namespace {

ScheduleSettings range(int period, int from, int to) {
  ScheduleSettings s;
  s.periodPosition = period;
  s.startHour = from;
  s.endHour = to;
  return s;
}

QStringList hours(std::initializer_list<int> hs) {
  QStringList out;
  for (int h : hs) out << QStringLiteral("%1:00").arg(h, 2, 10, QLatin1Char('0'));
  return out;
}

const QDate kDay(2024, 3, 5);

}  // namespace

TEST(DaySchedule, Period15From7To19) {
  const QStringList starts = DaySchedule::run(range(3, 7, 19), kDay);
  ASSERT_EQ(starts.size(), 48);
  EXPECT_EQ(starts.first(), QStringLiteral("07:00"));
  EXPECT_EQ(starts[1], QStringLiteral("07:15"));
  EXPECT_EQ(starts.last(), QStringLiteral("18:45"));
  EXPECT_FALSE(starts.contains(QStringLiteral("19:00")));
}

TEST(DaySchedule, RangesAndPeriods) {
  EXPECT_EQ(DaySchedule::run(range(1, 0, 24), kDay).size(), 288);
  EXPECT_EQ(DaySchedule::run(range(6, 22, 6), kDay), hours({0, 1, 2, 3, 4, 5, 22, 23}));
  EXPECT_TRUE(DaySchedule::run(range(0, 0, 24), kDay).isEmpty());  // not even full hours
  EXPECT_TRUE(DaySchedule::run(range(1, 8, 8), kDay).isEmpty());   // start = end: never active
}

TEST(DaySchedule, DaylightSavingDays) {
  // Europe/Berlin: 02:00 does not exist on the last Sunday of March and
  // happens twice on the last Sunday of October.
  const QStringList spring = DaySchedule::run(range(6, 0, 24), QDate(2024, 3, 31));
  EXPECT_EQ(spring.size(), 23);
  EXPECT_FALSE(spring.contains(QStringLiteral("02:00")));
  const QStringList autumn = DaySchedule::run(range(6, 0, 24), QDate(2024, 10, 27));
  EXPECT_EQ(autumn.size(), 25);
  EXPECT_EQ(autumn.count(QStringLiteral("02:00")), 2);
}

TEST(DaySchedule, InvalidDateGivesNothing) {
  EXPECT_TRUE(DaySchedule::run(range(1, 0, 24), QDate()).isEmpty());
}
