#pragma once

#include <QLocale>
#include <QString>
#include <cstdint>
#include <functional>

#include "app/HourMenus.h"
#include "audio/TimeSpeech.h"
#include "platform/ClockTimer.h"

namespace parlhora {

class Clock;
class Sequencer;
struct AnnouncementOptions;
struct ScheduleSettings;

/// The main window's once-a-second tick (`TimerSeconde`) and the controls
/// that decide when it starts an announcement: period selector and its text,
/// hour range menus, the two time-format boxes.
///
/// The tick runs 500 ms after start(), then on every wall-clock second (a
/// couple of milliseconds after it, re-aimed each tick), so a due minute
/// starts within milliseconds of hh:mm:00 whatever the clock or the load do.
///
/// Core thread only. Borrows the clock, settings and options; they must
/// outlive the scheduler.
class Scheduler {
 public:
  /// Milliseconds after the wall-clock second at which the tick is aimed, so
  /// a timer firing a little early still lands in the new second.
  static constexpr int kAimAfterSecondMs = 2;
  static constexpr int kFirstTickMs = 500;
  static constexpr int kTickMs = 1000;

  /// The steps that belong to other parts. Unset ones are skipped.
  struct Wiring {
    std::function<bool()> busy;                           // announcement-busy flag
    std::function<bool()> loading;                        // settings not loaded yet
    std::function<void()> loadSettings;                   // step 1; must clear the loading flag
    std::function<void()> readBackVolume;                 // step 2 (skips itself while the slider moves)
    std::function<void(const SpokenTime&)> timeCaptured;  // step 3: the split reading
    std::function<bool(int hour, int minute)> hourlyLog;  // step 5; true if a line was written
    std::function<void()> pollLines;                      // step 8, only while not busy
    std::function<void()> clickButton1;                   // starts an announcement
  };

  /// Wires busy, loading, timeCaptured and clickButton1 to `sequencer`, and a
  /// loadSettings that only clears its loading flag.
  static Wiring wiringFor(Sequencer& sequencer);

  Scheduler(Clock& clock, ScheduleSettings& settings, AnnouncementOptions& options);
  Scheduler(const Scheduler&) = delete;
  Scheduler& operator=(const Scheduler&) = delete;

  void setWiring(Wiring wiring) { wiring_ = std::move(wiring); }
  /// Called after a tick or a click changed any text or box shown here.
  void setChanged(std::function<void()> changed) { changed_ = std::move(changed); }

  /// Enables the timer: first tick after 500 ms.
  void start();
  void stop();
  bool isRunning() const { return running_; }

  void TimerSecondeTimer();

  /// Writes the minutes of the selector's position into `Edit1` ("0".."60");
  /// a position outside 0..6 leaves it as it is.
  void UpDownPeriodeMouseDown();
  /// The selector moved (or was loaded) to `position`.
  void setPeriodPosition(int position);
  const QString& edit1() const { return edit1_; }

  HourMenus& hourMenus() { return hourMenus_; }
  void D00Click(const QString& itemName);
  void F00Click(const QString& itemName);

  /// The two time formats exclude each other; both may be off.
  void CheckBoxHeureClick(bool checked);
  void CheckBoxNoMinuteClick(bool checked);

  /// `EditTime` / `EditDate`: one space, then the system's long time or
  /// short date format.
  /// Formatted when asked, so a tick costs no formatting nobody shows.
  QString editTime() const;
  QString editDate() const;
  const SpokenTime& time() const { return time_; }

  bool announcedThisMinute() const { return announcedThisMinute_; }
  int lastAnnouncedMinute() const { return lastAnnouncedMinute_; }
  /// The hour lies in the active range and a period is chosen.
  bool isActiveHour(int hour) const;
  /// Minutes of `position` (0, 5, 10, 15, 20, 30, 60), -1 outside 0..6.
  static int periodMinutes(int position);

 private:
  void aimNextTick(const QDateTime& now);
  void notify();

  Clock& clock_;
  ScheduleSettings& settings_;
  AnnouncementOptions& options_;
  HourMenus hourMenus_;
  Wiring wiring_;
  std::function<void()> changed_;
  ClockTimer timerSeconde_;
  QLocale locale_ = QLocale::system();

  QString edit1_ = QStringLiteral("0");
  QDateTime shown_;
  bool running_ = false;
  SpokenTime time_;
  bool announcedThisMinute_ = false;
  int lastAnnouncedMinute_ = -1;
  int lastLogStamp_ = 0;
  // The UTC minute last started; a clock set back across it must not start
  // that minute twice. DST repeats wall time, not UTC minutes.
  std::int64_t lastStartedSlot_ = -1;
};

}  // namespace parlhora
