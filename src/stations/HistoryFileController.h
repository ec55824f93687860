#pragma once

#include <QString>

#include "stations/StationReading.h"
#include "weather/HistoryFileSettings.h"
#include "weather/TimedSource.h"

namespace parlhora {

/// What the three station-file sources share: the file of the window's
/// settings, the refresh that commits a whole reading or none, "Dateifehler"
/// with the beep on any read fault, nothing at all for a missing file, and
/// the browse button. Core thread only; context and settings outlive it.
class HistoryFileController : public TimedSource {
  Q_OBJECT

 public:
  HistoryFileController(WeatherSource id, SourceContext& context, HistoryFileSettings& settings,
                        QObject* parent = nullptr);

  const ReadingBoxes& boxes() const override { return settings_.boxes; }
  void applySettings() override;

  HistoryFileSettings& settings() { return settings_; }
  /// TendThreshold of this source, hPa per hour: the spin value × 0.1.
  double tendThreshold() const { return settings_.trendThreshold * 0.1; }
  /// ButtonParcourirClick with the file the open dialog returned.
  void ButtonParcourirClick(const QString& file);
  /// OpenDialogDat's filter ("Text|*.ext") and default suffix.
  virtual QString dialogFilter() const = 0;
  virtual QString dialogSuffix() const = 0;

 protected:
  void doRefresh() override;
  /// Reads `file` into `reading`, false on any fault. May replace `file`
  /// (the Vantage Pro2 current-month rule).
  virtual bool readFile(QString& file, StationReading& reading) = 0;
  /// The captions the browse button resets, black.
  virtual void resetCaptions() = 0;
  StationParams params() const;
  void setFile(const QString& file);

  HistoryFileSettings& settings_;

 private:
  void fail();
};

}  // namespace parlhora
