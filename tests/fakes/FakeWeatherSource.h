#pragma once

#include "weather/SourceController.h"

namespace parlhora {

/// A source whose readings, boxes, error text and ready flag a test sets.
class FakeWeatherSource final : public SourceController {
  Q_OBJECT

 public:
  explicit FakeWeatherSource(WeatherSource id) : SourceController(id) { companions_.FileName = "fake"; }

  void stop() override { active = false; }
  bool timerActive() const override { return active; }
  void refresh() override { ++refreshes; }
  void refreshNow() override { ++refreshes; }
  Show pick() override {
    ++refreshes;
    return Show::UnlessMinimised;
  }
  const ReadingBoxes& boxes() const override { return box; }
  bool hasDataTime() const override { return id() != WeatherSource::MON; }

  WeatherSnapshot& readings() { return snapshot_; }
  SnapshotCompanions& extras() { return companions_; }
  void setError(const QString& text) { errorText_ = text; }

  ReadingBoxes box;
  bool active = false;
  int refreshes = 0;
};

}  // namespace parlhora
