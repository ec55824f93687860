#pragma once

#include "weather/TimedSource.h"

namespace parlhora {

/// Stands in for a source whose reader has not landed yet: it has its timer
/// and boxes but reads nothing, so it is never ready and never spoken.
class PlaceholderSource final : public TimedSource {
  Q_OBJECT

 public:
  PlaceholderSource(WeatherSource id, SourceContext& context, const ReadingBoxes& boxes,
                    int& refreshMinutes, QObject* parent = nullptr)
      : TimedSource(id, context, refreshMinutes, parent), boxes_(boxes) {}

  const ReadingBoxes& boxes() const override { return boxes_; }

 protected:
  void doRefresh() override {}

 private:
  const ReadingBoxes& boxes_;
};

}  // namespace parlhora
