#include <gtest/gtest.h>

#include "app/DaySchedule.h"
#include "app/ScheduleSettings.h"
#include "app/Scheduler.h"
#include "audio/PartnerLink.h"
#include "audio/RecorderHooks.h"
#include "audio/AnnouncementOptions.h"
#include "audio/Sequencer.h"
#include "audio/WaveEngine.h"
#include "audio/WeatherSpeech.h"
#include "fakes/FakeKeying.h"
#include "fakes/FakeNotifier.h"
#include "fakes/FakeWaveOut.h"
#include "platform/VirtualClock.h"

using namespace parlhora;

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

/// Scheduler, sequencer and engine as the program wires them, on a virtual
/// clock and the fake device.
struct ProgramRig {
  explicit ProgramRig(QDateTime start) : clock(std::move(start)), out(clock) {
    engine.setEvents(seq.engineEvents());
    seq.setStatusSink([this](const QString& text) { statuses << text; });
    seq.setLoading(true);
    Scheduler::Wiring w = Scheduler::wiringFor(seq);
    w.clickButton1 = [this]() { click(); };
    scheduler.setWiring(std::move(w));
  }

  void click() {
    const SpokenTime& t = scheduler.time();
    starts << QStringLiteral("%1:%2")
                  .arg(t.hour, 2, 10, QLatin1Char('0'))
                  .arg(t.minute, 2, 10, QLatin1Char('0'));
    // Whatever the last one did, the program is idle and ready again.
    if (seq.busy() || !seq.button1Enabled() || keying.keyed) notReady << starts.last();
    seq.Button1Click();
  }

  VirtualClock clock;
  FakeWaveOut out;
  FakeNotifier notifier;
  WaveEngine engine{out, clock, notifier};
  FakeKeying keying;
  PartnerLink link;
  RecorderHooks recorder;
  WeatherSpeech weather;
  AnnouncementOptions options;
  ScheduleSettings settings;
  Sequencer seq{engine, clock, keying, link, recorder, weather, options};
  Scheduler scheduler{clock, settings, options};
  QStringList starts;
  QStringList notReady;
  QStringList statuses;
};

}  // namespace

TEST(Soak, DayWithRandomDeviceFailures) {
  const QDate day(2024, 6, 12);
  ProgramRig rig(day.startOfDay().addSecs(-5));
  rig.settings.periodPosition = 1;
  rig.scheduler.setPeriodPosition(1);
  rig.options.hello = false;
  rig.options.itIs = true;
  rig.out.setRandomFailureRate(0.05, 20240612);
  rig.scheduler.start();
  for (QDateTime t = day.startOfDay(); t < day.addDays(1).startOfDay(); t = t.addSecs(3600)) {
    rig.clock.runUntil(t.addSecs(3600));
    rig.out.clearCalls();
  }
  rig.scheduler.stop();
  rig.clock.runFor(5 * 60 * 1000);

  EXPECT_EQ(rig.starts, DaySchedule::run(rig.settings, day));
  EXPECT_TRUE(rig.notReady.isEmpty()) << rig.notReady.join(' ').toStdString();
  const int begun = rig.statuses.count(QStringLiteral("PARLHORA SPIEL"));
  const int done = rig.statuses.count(QStringLiteral("PARLHORA DONE"));
  EXPECT_EQ(begun, 288);
  EXPECT_GT(done, 0);
  EXPECT_LT(done, begun);  // the failures did happen
  EXPECT_FALSE(rig.seq.busy());
  EXPECT_FALSE(rig.keying.keyed);
  EXPECT_FALSE(rig.seq.safetyTimerActive());
  EXPECT_EQ(rig.keying.events.count(QStringLiteral("key")), 288);
  EXPECT_EQ(rig.keying.events.count(QStringLiteral("unkey")), 288);
}

TEST(Soak, TickInsideAnAnnouncementStartsNothing) {
  ProgramRig rig(QDateTime(QDate(2024, 6, 12), QTime(11, 59, 58)));
  rig.settings.periodPosition = 6;
  rig.scheduler.setPeriodPosition(6);
  rig.options.pauseSeconds = 15;  // the announcement waits through many ticks
  rig.scheduler.start();
  rig.clock.runUntil(QDateTime(QDate(2024, 6, 12), QTime(12, 1, 0)));
  EXPECT_EQ(rig.starts, QStringList{QStringLiteral("12:00")});
  EXPECT_EQ(rig.statuses, (QStringList{"PARLHORA SPIEL", "PARLHORA DONE"}));
  EXPECT_EQ(rig.seq.time().hour, 12);
}

TEST(Soak, MidnightSpeaksTheNewDay) {
  ProgramRig rig(QDateTime(QDate(2024, 12, 31), QTime(23, 59, 58)));
  QStringList pieces;
  rig.engine.setEvents(rig.seq.engineEvents([&](WaveOrigin, const QString& name) { pieces << name; }));
  rig.settings.periodPosition = 6;
  rig.scheduler.setPeriodPosition(6);
  rig.scheduler.start();
  rig.clock.runUntil(QDateTime(QDate(2025, 1, 1), QTime(0, 1)));
  EXPECT_EQ(pieces, (QStringList{"son_wed", "son_1te", "son_jan", "son2000", "son25", "son_it_s", "son0",
                                 "Son_hour"}));
}
