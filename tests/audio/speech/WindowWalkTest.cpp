#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "audio/AnnouncementOptions.h"
#include "audio/PieceLibrary.h"
#include "audio/WeatherComposer.h"
#include "fakes/FakeWeatherSource.h"
#include "platform/VirtualClock.h"
#include "weather/HalfEven.h"
#include "weather/SourceRegistry.h"
#include "weather/UnitFactors.h"
#include "weather/ValidityLimits.h"

namespace parlhora {
namespace {

using S = WeatherSource;
using L = ValidityLimits;

// Walks every reading through each item's window and a little beyond it, in
// steps fine enough to meet every rounding edge, and sends each value through
// the real composer: whatever it speaks must be a built-in piece.
class WindowWalk {
 public:
  explicit WindowWalk(bool imperial) : source_(S::W23), metar_(S::METAR) {
    if (imperial) {
      units_.RadioButtonTfClick();
      units_.RadioButtonPiClick();
      units_.RadioButtonVmClick();
      units_.RadioButtonRiClick();
    }
    for (FakeWeatherSource* s : {&source_, &metar_}) {
      s->box = {true, true, true, true, true, true, true, true, true, true};
      registry_.add(*s);
    }
  }

  /// Values from `low` to `high` (the window's bounds, already in the user's
  /// units) widened by `margin`, `step` apart; returns how many were spoken.
  int walk(const char* item, double low, double high, double margin, double step,
           const std::function<void(WeatherSnapshot&, double)>& set, S id = S::W23) {
    int spoken = 0;
    const auto count = static_cast<int>(std::ceil((high - low + 2 * margin) / step));
    for (int i = 0; i <= count; ++i) {
      const double v = std::min(low - margin + i * step, high + margin);
      spoken += speak(item, v, set, id) ? 1 : 0;
    }
    // The window is really walked: its first and last whole values speak.
    EXPECT_TRUE(speak(item, std::ceil(low), set, id)) << item << " low " << low;
    EXPECT_TRUE(speak(item, std::floor(high), set, id)) << item << " high " << high;
    return spoken;
  }

  bool speak(const char* item, double v, const std::function<void(WeatherSnapshot&, double)>& set, S id) {
    FakeWeatherSource& s = id == S::METAR ? metar_ : source_;
    s.readings() = WeatherSnapshot::absent(units_.UnitPresFactor);
    set(s.readings(), v);
    WeatherComposer composer(registry_, id == S::METAR ? metar_chosen_ : chosen_, units_, options, clock_);
    const QList<SpeechItem> items = composer.compose(s);
    for (const SpeechItem& it : items)
      EXPECT_TRUE(PieceLibrary::has(it.piece)) << item << " " << v << " asks for " << it.piece.toStdString();
    return !items.isEmpty();
  }

  const UnitFactors& units() const { return units_; }
  AnnouncementOptions options;

 private:
  FakeWeatherSource source_, metar_;
  WeatherSource chosen_ = S::W23, metar_chosen_ = S::METAR;
  SourceRegistry registry_;
  UnitFactors units_;
  VirtualClock clock_{QDateTime(QDate(2026, 3, 5), QTime(14, 35))};
};

class WindowWalkTest : public ::testing::TestWithParam<bool> {};

TEST_P(WindowWalkTest, EveryValueAWindowLetsThroughHasItsPieces) {
  WindowWalk w(GetParam());
  const UnitFactors& u = w.units();
  const double wind = u.wind(10);  // enough for the direction

  w.walk("inside", u.temperature(L::kTempLow), u.temperature(L::kTempHigh), 3, 0.25,
         [](WeatherSnapshot& s, double v) { s.TempInt = v; });
  w.walk("outside", u.temperature(L::kTempLow), u.temperature(L::kTempHigh), 3, 0.25,
         [](WeatherSnapshot& s, double v) { s.TempExt = v; });
  w.walk("felt", HalfEven::round(u.temperature(L::kFeltLow)), HalfEven::round(u.temperature(L::kFeltHigh)), 3,
         0.25, [](WeatherSnapshot& s, double v) { s.TRes = v; });
  w.walk(
      "felt from METAR", HalfEven::round(u.temperature(L::kFeltLow)),
      HalfEven::round(u.temperature(L::kFeltHigh)), 3, 0.25, [](WeatherSnapshot& s, double v) { s.TRes = v; },
      S::METAR);
  w.walk("pressure", u.pressure(L::kPresLow), u.pressure(L::kPresHigh), u.pressure(5), u.pressure(0.05),
         [](WeatherSnapshot& s, double v) { s.PresAtm = v; });
  w.walk("wind", u.wind(L::kWindLow), u.wind(L::kWindHigh), 3, 0.25,
         [](WeatherSnapshot& s, double v) { s.VitVent = v; });
  w.walk("gust", u.wind(L::kGustLow), u.wind(L::kGustHigh), 3, 0.25,
         [](WeatherSnapshot& s, double v) { s.VitRafa = v; });
  const double rainHigh = u.inch() ? 10 - 1e-9 : 198;
  w.walk("rain", 0, rainHigh, 1, u.inch() ? 0.001 : 0.25, [](WeatherSnapshot& s, double v) { s.Pluie = v; });
  w.walk("humidity", 0, 100, 3, 1, [](WeatherSnapshot& s, double v) { s.HumiExt = std::int8_t(v); });
  w.walk("tendency", 0, 2, 3, 1,
         [](WeatherSnapshot& s, double v) { s.PreTend = std::uint8_t(int(v) & 255); });
  for (const bool sixteen : {false, true}) {
    w.options.windRose16 = sixteen;
    w.walk("direction", 0, 360, 3, 1, [wind](WeatherSnapshot& s, double v) {
      s.VitVent = wind;
      s.DirVent = static_cast<std::int32_t>(v);
    });
  }
  EXPECT_TRUE(w.speak(
      "variable", 999, [wind](WeatherSnapshot& s, double v) { s.VitVent = wind, s.DirVent = int(v); },
      S::METAR));
  for (int flags = 0; flags < 128; ++flags)
    w.speak(
        "present weather", flags, [](WeatherSnapshot& s, double v) { s.WeatherFlags = std::uint8_t(v); },
        S::METAR);
}

INSTANTIATE_TEST_SUITE_P(UnitSystems, WindowWalkTest, ::testing::Values(false, true),
                         [](const auto& info) { return std::string(info.param ? "Imperial" : "Metric"); });

// An absent snapshot with every box ticked says nothing, whatever the source.
TEST(WindowWalk, AbsentReadingsSayNothing) {
  for (const bool imperial : {false, true}) {
    WindowWalk w(imperial);
    for (const S id : {S::W23, S::METAR})
      EXPECT_FALSE(w.speak(
          "absent", 0, [](WeatherSnapshot&, double) {}, id))
          << imperial;
  }
}

}  // namespace
}  // namespace parlhora
