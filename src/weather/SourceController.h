#pragma once

#include <QObject>
#include <QString>

#include "weather/Captions.h"
#include "weather/ReadingBoxes.h"
#include "weather/WeatherSnapshot.h"
#include "weather/WeatherSource.h"

namespace parlhora {

/// One weather source as the core sees it: its timer, its refresh, its
/// snapshot and companions, its error text and captions. A source's own
/// folder holds the implementation and its window shows it; the weather
/// service owns one of each kind. Core thread only.
class SourceController : public QObject {
  Q_OBJECT

 public:
  /// How the chooser shows the source's window after picking it.
  enum class Show {
    UnlessMinimised,        // at the weather-window place unless CheckBoxReduire
    InPlaceUnlessMinimised, // where it is, unless CheckBoxReduire (Monitor II with a port)
    Always,                 // at the weather-window place whatever CheckBoxReduire says
  };

  explicit SourceController(WeatherSource id, QObject* parent = nullptr) : QObject(parent), id_(id) {}

  WeatherSource id() const { return id_; }

  /// TimerMeteo off; the snapshot keeps its values.
  virtual void stop() = 0;
  virtual bool timerActive() const = 0;
  /// TimerMeteoTimer: one refresh, which ends by re-enabling the timer.
  virtual void refresh() = 0;
  /// ButtonRafraichirClick: interval from the window's period, then refresh.
  virtual void refreshNow() = 0;
  /// The chooser picked this source (the others are already stopped).
  virtual Show pick() = 0;
  /// Settings were loaded: take the stored file, port, address.
  virtual void applySettings() {}
  /// The units changed; the chooser refreshes the active source itself.
  virtual void unitsChanged() {}
  /// Returns once a refresh's download (if any) has ended, running events
  /// meanwhile: for one-shot commands that speak the weather at once.
  virtual void waitUntilIdle() {}
  /// Program exit: release files, ports, downloads.
  virtual void close() { stop(); }

  /// Ready flag: a file or address to read, or a station online.
  virtual bool ready() const { return !companions_.FileName.isEmpty(); }
  /// The reading boxes of the source's window (what is to be spoken).
  virtual const ReadingBoxes& boxes() const = 0;
  /// StaticTextErreur; empty = no error.
  virtual QString errorText() const { return errorText_; }
  /// The Monitor II has no data time: its data count as taken now.
  virtual bool hasDataTime() const { return true; }
  /// The scheduler's hourly weather line; true if one was written.
  virtual bool hourlyLog(int hour, int minute) {
    (void)hour;
    (void)minute;
    return false;
  }

  const WeatherSnapshot& snapshot() const { return snapshot_; }
  const SnapshotCompanions& companions() const { return companions_; }
  const Captions& captions() const { return captions_; }

  /// The composer found RefreshPending after an announcement.
  void runDeferredRefresh() {
    if (!companions_.RefreshPending) return;
    companions_.RefreshPending = false;
    refresh();
  }

 signals:
  /// The snapshot, the captions or the error text changed.
  void readingsChanged();

 protected:
  void setErrorText(const QString& text) {
    errorText_ = text;
    emit readingsChanged();
  }

  WeatherSnapshot snapshot_;
  SnapshotCompanions companions_;
  Captions captions_;
  QString errorText_;

 private:
  WeatherSource id_;
};

}  // namespace parlhora
