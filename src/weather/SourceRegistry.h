#pragma once

#include <array>

#include "weather/SourceController.h"

namespace parlhora {

/// The weather sources by their number (MeteoSource): 1 Monitor II, 2 WS-23xx,
/// 3 WS-28xx, 4 APRS, 5 Pro2, 6 METAR, 7 network station. Borrows the controllers.
class SourceRegistry {
 public:
  static constexpr int kCount = 8;

  void add(SourceController& source) { sources_[index(source.id())] = &source; }
  SourceController* get(WeatherSource id) const { return sources_[index(id)]; }
  /// Every registered source, in source-number order.
  template <typename F>
  void forEach(F&& f) const {
    for (SourceController* s : sources_)
      if (s) f(*s);
  }

  static int index(WeatherSource id) { return static_cast<int>(id); }

 private:
  std::array<SourceController*, kCount> sources_{};
};

}  // namespace parlhora
