#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "audio/AnnouncementOptions.h"
#include "audio/WeatherComposer.h"
#include "fakes/FakeWeatherSource.h"
#include "platform/VirtualClock.h"
#include "weather/SourceRegistry.h"
#include "weather/UnitFactors.h"

namespace parlhora {
namespace {

struct ComposerRig {
  explicit ComposerRig(WeatherSource id = WeatherSource::W23)
      : source(id), chosen(id), clock(QDateTime(QDate(2026, 3, 5), QTime(14, 35))) {
    registry.add(source);
    source.extras().DataTime = WeatherComposer::dayNumber(clock.now());
  }

  // The weather words in order, each pause written before its piece.
  QStringList words() {
    WeatherComposer composer(registry, chosen, units, options, clock);
    composer.begin();
    QStringList out;
    while (auto item = composer.nextItem()) {
      if (item->pauseMs) out << QString("pause %1").arg(item->pauseMs);
      out << item->piece;
    }
    return out;
  }

  FakeWeatherSource source;
  WeatherSource chosen;
  SourceRegistry registry;
  UnitFactors units;
  AnnouncementOptions options;
  VirtualClock clock;
};

struct ItemCase {
  const char* name;
  WeatherSource source;
  std::function<void(ComposerRig&)> set;
  QStringList expected;
};

class ComposerItems : public ::testing::TestWithParam<ItemCase> {};

TEST_P(ComposerItems, SpeakExactlyThesePieces) {
  const ItemCase& c = GetParam();
  ComposerRig rig(c.source);
  c.set(rig);
  EXPECT_EQ(rig.words(), c.expected) << c.name;
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
using S = WeatherSource;

INSTANTIATE_TEST_SUITE_P(
    Table, ComposerItems,
    ::testing::Values(
        ItemCase{"inside 60 spoken", S::W23, [](auto& r) { r.source.box.tempInt = true; r.source.readings().TempInt = 60.2; },
                 {"pause 100", "son_int_temp", "son60", "son_degrees"}},
        ItemCase{"inside 61 not spoken", S::W23, [](auto& r) { r.source.box.tempInt = true; r.source.readings().TempInt = 61; }, {}},
        ItemCase{"inside temperature not from APRS", S::APRS, [](auto& r) { r.source.box.tempInt = true; r.source.readings().TempInt = 20; }, {}},
        ItemCase{"105 F spoken", S::W23,
                 [](auto& r) { r.units.RadioButtonTfClick(); r.source.box.tempExt = true; r.source.readings().TempExt = 105; },
                 {"pause 100", "son_ext_temp", "son100_and", "son5", "son_degrees"}},
        ItemCase{"-58 F spoken", S::W23,
                 [](auto& r) { r.units.RadioButtonTfClick(); r.source.box.tempExt = true; r.source.readings().TempExt = -58; },
                 {"pause 100", "son_ext_temp", "son_minus", "son58", "son_degrees"}},
        ItemCase{"141 F not spoken", S::W23,
                 [](auto& r) { r.units.RadioButtonTfClick(); r.source.box.tempExt = true; r.source.readings().TempExt = 141; }, {}},
        ItemCase{"-200 absent not spoken", S::W23, [](auto& r) { r.source.box.tempExt = true; r.source.readings().TempExt = -200; }, {}},
        ItemCase{"NaN not spoken", S::W23, [](auto& r) { r.source.box.tempExt = true; r.source.readings().TempExt = kNaN; }, {}},
        ItemCase{"unticked not spoken", S::W23, [](auto& r) { r.source.readings().TempExt = 20; }, {}},
        ItemCase{"1013.4 hPa", S::W23, [](auto& r) { r.source.box.presAtm = true; r.source.readings().PresAtm = 1013.4; },
                 {"pause 100", "son_pressure", "son1000", "son13", "son_millibars"}},
        ItemCase{"925 hPa skipped", S::W23, [](auto& r) { r.source.box.presAtm = true; r.source.readings().PresAtm = 925; }, {}},
        ItemCase{"infinite pressure skipped", S::W23, [](auto& r) { r.source.box.presAtm = true; r.source.readings().PresAtm = kInf; }, {}},
        ItemCase{"29.92 inHg", S::W23,
                 [](auto& r) { r.units.RadioButtonPiClick(); r.source.box.presAtm = true; r.source.readings().PresAtm = 29.92; },
                 {"pause 100", "son_pressure", "son29", "son_point", "son9", "son2", "son_inhg"}},
        ItemCase{"tendency falling", S::PRO2, [](auto& r) { r.source.box.preTend = true; r.source.readings().PreTend = 2; },
                 {"pause 50", "son_falling"}},
        ItemCase{"tendency not from METAR", S::METAR, [](auto& r) { r.source.box.preTend = true; r.source.readings().PreTend = 1; }, {}},
        ItemCase{"calm wind, no direction", S::W23,
                 [](auto& r) {
                   r.source.box.vitVent = r.source.box.dirVent = true;
                   r.source.readings().VitVent = 0.4;
                   r.source.readings().DirVent = 90;
                 },
                 {"pause 100", "son_wind", "son_null"}},
        ItemCase{"wind 150 km/h from the west", S::W23,
                 [](auto& r) {
                   r.source.box.vitVent = r.source.box.dirVent = true;
                   r.source.readings().VitVent = 150;
                   r.source.readings().DirVent = 270;
                 },
                 {"pause 100", "son_wind", "son100_and", "son50", "son_kmh", "pause 100", "son_dir", "son_west"}},
        ItemCase{"gust 4 skipped, 5 spoken in mph", S::W23,
                 [](auto& r) { r.source.box.vitRafa = true; r.source.readings().VitRafa = 4; }, {}},
        ItemCase{"gust in mph", S::W23,
                 [](auto& r) { r.units.RadioButtonVmClick(); r.source.box.vitRafa = true; r.source.readings().VitRafa = 20; },
                 {"pause 100", "son_gust", "son20", "son_mph"}},
        ItemCase{"999 variable from METAR", S::METAR,
                 [](auto& r) { r.source.box.dirVent = true; r.source.readings().VitVent = 10; r.source.readings().DirVent = 999; },
                 {"pause 100", "son_dir", "son_variable"}},
        ItemCase{"999 from a station skipped", S::W23,
                 [](auto& r) { r.source.box.dirVent = true; r.source.readings().VitVent = 10; r.source.readings().DirVent = 999; }, {}},
        ItemCase{"direction 361 skipped", S::W23,
                 [](auto& r) { r.source.box.dirVent = true; r.source.readings().VitVent = 10; r.source.readings().DirVent = 361; }, {}},
        ItemCase{"felt -12", S::APRS, [](auto& r) { r.source.box.tRes = true; r.source.readings().TRes = -12.4; },
                 {"pause 100", "son_wind_chill", "son_minus", "son12", "son_degrees"}},
        ItemCase{"felt 112 F as a temperature", S::METAR,
                 [](auto& r) { r.units.RadioButtonTfClick(); r.source.box.tRes = true; r.source.readings().TRes = 112.2; },
                 {"pause 100", "son_wind_chill", "son100_and", "son12", "son_degrees"}},
        ItemCase{"felt -103 F spoken", S::METAR,
                 [](auto& r) { r.units.RadioButtonTfClick(); r.source.box.tRes = true; r.source.readings().TRes = -103.4; },
                 {"pause 100", "son_wind_chill", "son_minus", "son100_and", "son3", "son_degrees"}},
        ItemCase{"direction beside a wind out of its window", S::METAR,
                 [](auto& r) {
                   r.source.box.vitVent = r.source.box.dirVent = true;
                   r.source.readings().VitVent = 200;
                   r.source.readings().DirVent = 270;
                 },
                 {"pause 100", "son_dir", "son_west"}},
        ItemCase{"direction beside an unticked wind of 0.6", S::W23,
                 [](auto& r) { r.source.box.dirVent = true; r.source.readings().VitVent = 0.6; r.source.readings().DirVent = 22; },
                 {"pause 100", "son_dir", "son_north"}},
        ItemCase{"absent tendency", S::W23, [](auto& r) { r.source.box.preTend = true; r.source.readings().PreTend = 255; }, {}},
        ItemCase{"felt not from the monitor", S::MON, [](auto& r) { r.source.box.tRes = true; r.source.readings().TRes = 5; }, {}},
        ItemCase{"rain 12 mm", S::W28, [](auto& r) { r.source.box.pluie = true; r.source.readings().Pluie = 12.4; },
                 {"pause 100", "son_rain24", "son12", "son_millimeters"}},
        ItemCase{"rain -1 absent", S::W28, [](auto& r) { r.source.box.pluie = true; r.source.readings().Pluie = -1; }, {}},
        ItemCase{"rain 0.05 inch", S::W28,
                 [](auto& r) { r.units.RadioButtonRiClick(); r.source.box.pluie = true; r.source.readings().Pluie = 0.05; },
                 {"pause 100", "son_rain24", "son0", "son_point", "son0", "son5", "son_inch"}},
        ItemCase{"rain light", S::METAR,
                 [](auto& r) { r.source.box.pluie = true; r.source.readings().WeatherFlags = FlagRain | FlagLight; },
                 {"pause 100", "son_raining", "pause 100", "son_lightly"}},
        ItemCase{"fog and rain", S::METAR,
                 [](auto& r) { r.source.box.pluie = true; r.source.readings().WeatherFlags = FlagRain | FlagFog; },
                 {"pause 100", "son_raining"}},
        ItemCase{"snow moderate", S::METAR,
                 [](auto& r) { r.source.box.pluie = true; r.source.readings().WeatherFlags = FlagSnow; },
                 {"pause 100", "son_snowing", "pause 100", "son_moderatly"}},
        ItemCase{"intensity alone says nothing", S::METAR,
                 [](auto& r) { r.source.box.pluie = true; r.source.readings().WeatherFlags = FlagHeavy; }, {}},
        ItemCase{"humidity 0", S::W23, [](auto& r) { r.source.box.humidi = true; r.source.readings().HumiExt = 0; },
                 {"pause 100", "son_humidity", "son_null"}},
        ItemCase{"humidity byte 255 skipped", S::W23,
                 [](auto& r) { r.source.box.humidi = true; r.source.readings().HumiExt = static_cast<std::int8_t>(255); }, {}}),
    [](const auto& info) {
      QString name = QString::fromLatin1(info.param.name);
      for (QChar& c : name)
        if (!c.isLetterOrNumber()) c = '_';
      return name.toStdString();
    });

TEST(WeatherComposer, GatesKeepWholeWeatherOut) {
  const auto withTemperature = [](ComposerRig& r) {
    r.source.box.tempExt = true;
    r.source.readings().TempExt = 20;
  };
  {  // an error on the source window
    ComposerRig r;
    withTemperature(r);
    r.source.setError("Dateifehler");
    EXPECT_TRUE(r.words().isEmpty());
  }
  {  // no file: not ready
    ComposerRig r;
    withTemperature(r);
    r.source.extras().FileName.clear();
    EXPECT_TRUE(r.words().isEmpty());
  }
  {  // 61 minutes old under the one-hour gate; 60 minutes pass
    ComposerRig r;
    withTemperature(r);
    r.options.weatherAgeGateHours = 1;
    const double now = WeatherComposer::dayNumber(r.clock.now());
    r.source.extras().DataTime = now - 61.0 / 1440;
    EXPECT_TRUE(r.words().isEmpty());
    r.source.extras().DataTime = now - 60.0 / 1440;
    EXPECT_FALSE(r.words().isEmpty());
    r.options.weatherAgeGateHours = 0;
    r.source.extras().DataTime = 0;
    EXPECT_FALSE(r.words().isEmpty());
  }
  {  // the monitor's data count as taken now
    ComposerRig r(WeatherSource::MON);
    withTemperature(r);
    r.options.weatherAgeGateHours = 1;
    r.source.extras().DataTime = 0;
    EXPECT_FALSE(r.words().isEmpty());
  }
  {  // no source chosen
    ComposerRig r;
    withTemperature(r);
    r.chosen = WeatherSource::None;
    EXPECT_TRUE(r.words().isEmpty());
  }
}

TEST(WeatherComposer, WindRosesAtEveryBoundary) {
  const QList<std::pair<int, const char*>> eight = {
      {0, "son_north"},       {22, "son_north"},      {23, "son_north_east"}, {67, "son_north_east"},
      {68, "son_east"},       {112, "son_east"},      {113, "son_south_east"}, {157, "son_south_east"},
      {158, "son_south"},     {202, "son_south"},     {203, "son_south_west"}, {247, "son_south_west"},
      {248, "son_west"},      {292, "son_west"},      {293, "son_north_west"}, {337, "son_north_west"},
      {338, "son_north"},     {360, "son_north"}};
  for (const auto& [d, word] : eight) EXPECT_EQ(WeatherComposer::roseWord(d, false), word) << d;
  const QList<std::pair<int, const char*>> sixteen = {
      {0, "son_north"},           {11, "son_north"},           {12, "son_north_north_east"},
      {33, "son_north_north_east"}, {34, "son_north_east"},    {56, "son_north_east"},
      {57, "son_east_north_east"}, {78, "son_east_north_east"}, {79, "son_east"},
      {101, "son_east"},          {102, "son_east_south_east"}, {123, "son_east_south_east"},
      {124, "son_south_east"},    {146, "son_south_east"},     {147, "son_south_south_east"},
      {168, "son_south_south_east"}, {169, "son_south"},      {191, "son_south"},
      {192, "son_south_south_west"}, {213, "son_south_south_west"}, {214, "son_south_west"},
      {236, "son_south_west"},    {237, "son_west_south_west"}, {258, "son_west_south_west"},
      {259, "son_west"},          {281, "son_west"},           {282, "son_west_north_west"},
      {303, "son_west_north_west"}, {304, "son_north_west"},   {326, "son_north_west"},
      {327, "son_north_north_west"}, {348, "son_north_north_west"}, {349, "son_north"},
      {360, "son_north"}};
  for (const auto& [d, word] : sixteen) EXPECT_EQ(WeatherComposer::roseWord(d, true), word) << d;
  EXPECT_TRUE(WeatherComposer::roseWord(-1, false).isEmpty());
  EXPECT_TRUE(WeatherComposer::roseWord(361, true).isEmpty());
}

}  // namespace
}  // namespace parlhora
