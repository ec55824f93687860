#include "app/DaySchedule.h"

#include "app/ScheduleSettings.h"
#include "app/Scheduler.h"
#include "audio/AnnouncementOptions.h"
#include "platform/VirtualClock.h"

namespace parlhora {

QStringList DaySchedule::run(const ScheduleSettings& settings, const QDate& date) {
  QStringList starts;
  if (!date.isValid()) return starts;
  const QDateTime dayStart = date.startOfDay();
  const QDateTime dayEnd = date.addDays(1).startOfDay();

  // Start a little before midnight so the first tick is aimed before 00:00.
  VirtualClock clock(dayStart.addSecs(-5));
  ScheduleSettings schedule = settings;
  AnnouncementOptions options;
  Scheduler scheduler(clock, schedule, options);
  scheduler.setPeriodPosition(schedule.periodPosition);

  Scheduler::Wiring wiring;
  wiring.clickButton1 = [&]() {
    const SpokenTime& t = scheduler.time();
    if (clock.now() < dayStart) return;
    starts << QStringLiteral("%1:%2")
                  .arg(t.hour, 2, 10, QLatin1Char('0'))
                  .arg(t.minute, 2, 10, QLatin1Char('0'));
  };
  scheduler.setWiring(std::move(wiring));
  scheduler.start();
  clock.runUntil(dayEnd);
  scheduler.stop();
  return starts;
}

}  // namespace parlhora
