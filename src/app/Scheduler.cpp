#include "app/Scheduler.h"

#include <array>

#include "app/ScheduleSettings.h"
#include "audio/AnnouncementOptions.h"
#include "audio/Sequencer.h"
#include "platform/Clock.h"

namespace parlhora {

namespace {
constexpr std::array<int, 7> kPeriods{0, 5, 10, 15, 20, 30, 60};
}  // namespace

Scheduler::Wiring Scheduler::wiringFor(Sequencer& sequencer) {
  Wiring w;
  w.busy = [&sequencer]() { return sequencer.busy(); };
  w.loading = [&sequencer]() { return sequencer.loading(); };
  w.loadSettings = [&sequencer]() { sequencer.setLoading(false); };
  w.timeCaptured = [&sequencer](const SpokenTime& t) { sequencer.setTime(t); };
  w.clickButton1 = [&sequencer]() { sequencer.Button1Click(); };
  return w;
}

Scheduler::Scheduler(Clock& clock, ScheduleSettings& settings, AnnouncementOptions& options)
    : clock_(clock),
      settings_(settings),
      options_(options),
      hourMenus_(settings),
      timerSeconde_(clock, [this]() { TimerSecondeTimer(); }) {}

void Scheduler::start() {
  running_ = true;
  timerSeconde_.start(kFirstTickMs, false);
}

void Scheduler::stop() {
  running_ = false;
  timerSeconde_.stop();
}

int Scheduler::periodMinutes(int position) {
  if (position < 0 || position >= static_cast<int>(kPeriods.size())) return -1;
  return kPeriods[position];
}

bool Scheduler::isActiveHour(int hour) const {
  const int start = settings_.startHour;
  const int end = settings_.endHour;
  if (settings_.periodPosition == 0 || start == end) return false;
  if (start < end) return hour >= start && hour < end;
  return hour >= start || hour < end;
}

void Scheduler::TimerSecondeTimer() {
  const auto busy = [this]() { return wiring_.busy && wiring_.busy(); };

  if (wiring_.loading && wiring_.loading() && wiring_.loadSettings) wiring_.loadSettings();

  if (wiring_.readBackVolume) wiring_.readBackVolume();

  const QDateTime now = clock_.now();
  // Aim before anything that may wait, so ticks inside those waits stay on
  // the second too.
  aimNextTick(now);
  shown_ = now;
  time_ = SpokenTime::from(now);
  if (wiring_.timeCaptured) wiring_.timeCaptured(time_);
  notify();

  if (time_.minute != lastAnnouncedMinute_) {
    announcedThisMinute_ = false;
    lastAnnouncedMinute_ = -1;
  }

  if (time_.minute == 0 && wiring_.hourlyLog) {
    const int stamp = time_.hour * 100 + time_.minute;
    if (stamp != lastLogStamp_ && wiring_.hourlyLog(time_.hour, time_.minute)) lastLogStamp_ = stamp;
  }

  if (isActiveHour(time_.hour)) {
    if (announcedThisMinute_ || busy()) return;
    const int period = edit1_.toInt();
    const bool due = time_.minute == 0 || (period > 0 && time_.minute % period == 0);
    if (due) {
      announcedThisMinute_ = true;
      lastAnnouncedMinute_ = time_.minute;
      const std::int64_t slot = now.toSecsSinceEpoch() / 60;
      if (slot == lastStartedSlot_) return;
      lastStartedSlot_ = slot;
      if (wiring_.clickButton1) wiring_.clickButton1();
      return;
    }
  }

  if (!busy() && wiring_.pollLines) wiring_.pollLines();
}

void Scheduler::aimNextTick(const QDateTime& now) {
  // One shot per tick, aimed anew from the wall clock: a clock set or a
  // late tick never shifts the ticks off the second for more than one tick.
  if (!running_) return;
  const int msec = now.time().msec();
  timerSeconde_.start(kTickMs - msec + kAimAfterSecondMs, false);
}

QString Scheduler::editTime() const {
  if (!shown_.isValid()) return {};
  return QLatin1Char(' ') + locale_.toString(shown_.time(), QLocale::LongFormat);
}

QString Scheduler::editDate() const {
  if (!shown_.isValid()) return {};
  return QLatin1Char(' ') + locale_.toString(shown_.date(), QLocale::ShortFormat);
}

void Scheduler::UpDownPeriodeMouseDown() {
  const int minutes = periodMinutes(settings_.periodPosition);
  if (minutes < 0) return;
  edit1_ = QString::number(minutes);
  notify();
}

void Scheduler::setPeriodPosition(int position) {
  settings_.periodPosition = position;
  UpDownPeriodeMouseDown();
}

void Scheduler::D00Click(const QString& itemName) {
  if (hourMenus_.D00Click(itemName)) notify();
}

void Scheduler::F00Click(const QString& itemName) {
  if (hourMenus_.F00Click(itemName)) notify();
}

void Scheduler::CheckBoxHeureClick(bool checked) {
  options_.hourWithWords = checked;
  if (checked) options_.noMinuteWord = false;
  notify();
}

void Scheduler::CheckBoxNoMinuteClick(bool checked) {
  options_.noMinuteWord = checked;
  if (checked) options_.hourWithWords = false;
  notify();
}

void Scheduler::notify() {
  if (changed_) changed_();
}

}  // namespace parlhora
