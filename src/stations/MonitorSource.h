#pragma once

#include <QStringList>
#include <atomic>
#include <functional>
#include <map>

#include "platform/ClockTimer.h"
#include "stations/GustRing.h"
#include "stations/StationLink.h"
#include "stations/StationWorker.h"
#include "weather/MonitorSettings.h"
#include "weather/TimedSource.h"

namespace parlhora {

class StationPort;

/// The Weather Monitor II source (TFormMeteo's behaviour): reads the
/// station live through StationLink on TimerMeteo, fills the snapshot in
/// the user's units, keeps the gust ring, and offers the window's port
/// button and list. The station's readings count as taken now (no data
/// time); ready() is MonOnline. The station calls of a refresh run on a
/// worker thread, so an announcement due meanwhile starts on time; their
/// answers come back to the core thread, which alone fills the snapshot,
/// captions and log. Core thread only; context, settings and port must
/// outlive it.
class MonitorSource final : public TimedSource {
  Q_OBJECT

 public:
  /// What the source borrows from the rest of the program.
  struct Wiring {
    /// The main window's port list ("No COM" first), copied by ButtonPort.
    std::function<QStringList()> portList;
    /// The program's own serial port name ("COM3", "ttyUSB0", "No COM"):
    /// the station may not use the same device.
    std::function<QString()> mainPortName;
    /// RadioButtonMON is checked (the hourly line is written only then).
    std::function<bool()> chosen;
    /// The main window's time field (EditTime); empty = no time shown.
    std::function<QString()> timeText;
    /// Where port names are looked up as devices.
    QString devDir = QStringLiteral("/dev");
    /// The station calls run on the core thread and its clock, waiting
    /// through it (a virtual clock in tests).
    bool readOnCoreThread = false;
  };

  static constexpr int kFirstIntervalMs = 1000;

  MonitorSource(SourceContext& context, MonitorSettings& settings, StationPort& port, Wiring wiring,
                QObject* parent = nullptr);
  ~MonitorSource() override;

  /// TimerMeteoTimer.
  void refresh() override;
  /// RadioButtonMONClick: opens the configured port and reads; shows the
  /// window in place, or at the weather-window place when no port is set.
  Show pick() override;
  void applySettings() override;
  void unitsChanged() override { showCaptions(); }
  void close() override;
  /// Returns once the read under way has ended and shown its answers.
  void waitUntilIdle() override { worker_.finish(); }
  bool ready() const override { return online_; }
  bool hasDataTime() const override { return false; }
  const ReadingBoxes& boxes() const override { return settings_.boxes; }

  /// Copies the port list; shows it unless the chooser asked for the
  /// configured port.
  void ButtonPortClick();
  /// The user (or the chooser) picked row `row` of ListBoxPort.
  void ListBoxPortClick(int row);
  /// The window shows: captions get the current unit texts.
  void FormShow() { showCaptions(); }

  /// The scheduler's hourly step: logs the readings at minute 0 when this
  /// source is chosen, CheckBoxlog is ticked and the station is online.
  /// True when a line was written.
  bool hourlyLog(int hour, int minute) override;

  bool online() const { return online_; }
  /// A station read is under way.
  bool reading() const { return reading_; }
  const QStringList& portList() const { return portList_; }
  bool portListVisible() const { return portListVisible_; }
  int portListSelection() const { return portListSelection_; }
  QString statusText() const { return captions_.text(QStringLiteral("StaticTextStatus")); }

 signals:
  /// "No COM" was picked: the window hides.
  void hideRequested();

 protected:
  void doRefresh() override;

 private:
  struct Shown {
    QString value;
    bool red = false;
  };

  void openConfiguredPort();
  bool samePortAsMain(const QString& device) const;
  void setStatus(const QString& text);
  void countdown(int step);
  void stationFault();
  void show(const char* name, const QString& value, bool red);
  void showCaptions();
  /// What the core makes of one call's answer; false ends the read.
  using Apply = std::function<bool()>;
  /// One call's answer on its way to the core; goOn false ends the read.
  struct Step {
    Apply apply;
    bool goOn = false;
  };
  template <class T>
  Step step(const StationAnswer<T>& answer, bool (MonitorSource::*read)(const StationAnswer<T>&));
  static bool insidePlausible(double fahrenheit);
  void readStation(unsigned generation);
  void applyAnswer(unsigned generation, const Apply& apply);
  void finishRead(unsigned generation);
  bool readInsideTemp(const StationAnswer<double>& answer);
  bool readOutsideTemp(const StationAnswer<double>& answer);
  bool readBarometer(const StationAnswer<double>& answer);
  bool readTrend(const StationAnswer<int>& answer);
  bool readWind(const StationAnswer<double>& answer);
  bool readDirection(const StationAnswer<int>& answer);
  double temperature(double fahrenheit) const;

  MonitorSettings& settings_;
  Wiring wiring_;
  StationWorker worker_;
  StationLink link_;
  GustRing gusts_;
  ClockTimer again_;
  std::map<QString, Shown> shown_;
  QStringList portList_;
  int portListSelection_ = -1;
  bool portListVisible_ = false;
  bool portFromSettings_ = false;
  bool online_ = false;
  bool reading_ = false;
  bool refreshAgain_ = false;
  bool readFailed_ = false;
  int countdownStep_ = 0;
  QString linkError_;                    // why the last call failed
  std::atomic<unsigned> generation_{0};  // the worker looks too
  QString faultCause_;                   // why the inside reading failed, when the station answered
};

}  // namespace parlhora
