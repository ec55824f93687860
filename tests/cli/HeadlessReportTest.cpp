#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "app/ParlhoraCore.h"
#include "cli/HeadlessReport.h"
#include "fakes/FakePlatform.h"

using namespace parlhora;

TEST(HeadlessReport, NextDueAnnouncement) {
  struct Case {
    int period, start, end;
    const char* now;
    const char* expected;  // "" = never
  };
  const Case cases[] = {
      {0, 0, 24, "2026-03-05T14:34:10", ""},                     // no period: no announcements at all
      {3, 7, 7, "2026-03-05T14:34:10", ""},                      // empty range
      {3, 0, 24, "2026-03-05T14:34:10", "2026-03-05T14:45:00"},  // next quarter
      {3, 0, 24, "2026-03-05T14:45:00", "2026-03-05T14:45:00"},  // due this very minute
      {6, 7, 19, "2026-03-05T19:00:00", "2026-03-06T07:00:00"},  // end hour itself is outside
      {1, 22, 6, "2026-03-05T05:58:30", "2026-03-05T22:00:00"},  // 05:59 is not a multiple of 5
      {1, 22, 6, "2026-03-05T23:57:01", "2026-03-06T00:00:00"},  // wraps past midnight
  };
  for (const Case& c : cases) {
    QTemporaryDir home;
    const QDateTime now = QDateTime::fromString(c.now, Qt::ISODate);
    FakePlatform platform(home.path(), now);
    ParlhoraCore core(platform.set(), {});
    core.settings().schedule = {c.period, c.start, c.end};
    const QDateTime due = HeadlessReport::nextDue(core, now);
    EXPECT_EQ(due.isValid() ? due.toString(Qt::ISODate) : QString(), QString::fromLatin1(c.expected))
        << c.now;
    EXPECT_EQ(HeadlessReport::startLines(core, now).last().startsWith("Zeitansagen aus"), *c.expected == 0);
  }
}
