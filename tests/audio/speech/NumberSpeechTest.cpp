#include <gtest/gtest.h>

#include "audio/NumberSpeech.h"
#include "audio/TimeSpeech.h"

using namespace parlhora;

namespace {
QStringList L(std::initializer_list<const char*> items) {
  QStringList out;
  for (const char* s : items) out << QString::fromLatin1(s);
  return out;
}
}  // namespace

TEST(NumberSpeech, RoundsHalvesToEven) {
  EXPECT_EQ(NumberSpeech::roundHalfEven(2.5), 2);
  EXPECT_EQ(NumberSpeech::roundHalfEven(3.5), 4);
  EXPECT_EQ(NumberSpeech::roundHalfEven(-2.5), -2);
  EXPECT_EQ(NumberSpeech::roundHalfEven(-3.5), -4);
  EXPECT_EQ(NumberSpeech::roundHalfEven(1013.4), 1013);
  EXPECT_EQ(NumberSpeech::roundHalfEven(-0.6), -1);
  // The sector edges of the 22.5° direction codes stay in their sector.
  EXPECT_EQ(NumberSpeech::roundHalfEven(22.5), 22);
  EXPECT_EQ(NumberSpeech::roundHalfEven(112.5), 112);
  EXPECT_EQ(NumberSpeech::roundHalfEven(202.5), 202);
  EXPECT_EQ(NumberSpeech::roundHalfEven(292.5), 292);
  EXPECT_EQ(NumberSpeech::roundHalfEven(67.5), 68);
  // Garbage from a source must not be undefined behaviour.
  EXPECT_EQ(NumberSpeech::roundHalfEven(1e12), std::numeric_limits<int>::max());
  EXPECT_EQ(NumberSpeech::roundHalfEven(-1e12), std::numeric_limits<int>::min());
  EXPECT_EQ(NumberSpeech::roundHalfEven(std::nan("")), 0);
}

TEST(NumberSpeech, Temperature) {
  EXPECT_EQ(NumberSpeech::temperature(-5), L({"son_minus", "son5", "son_degrees"}));
  EXPECT_EQ(NumberSpeech::temperature(0), L({"son0", "son_degrees"}));
  EXPECT_EQ(NumberSpeech::temperature(100), L({"son100", "son_degrees"}));
  EXPECT_EQ(NumberSpeech::temperature(105), L({"son100_and", "son5", "son_degrees"}));
  EXPECT_EQ(NumberSpeech::temperature(-58), L({"son_minus", "son58", "son_degrees"}));
  EXPECT_EQ(NumberSpeech::temperature(140), L({"son100_and", "son40", "son_degrees"}));
  EXPECT_EQ(NumberSpeech::feltTemperature(-12), L({"son_minus", "son12", "son_degrees"}));
  EXPECT_EQ(NumberSpeech::feltTemperature(0), L({"son0", "son_degrees"}));
  EXPECT_EQ(NumberSpeech::feltTemperature(112), L({"son100_and", "son12", "son_degrees"}));
  EXPECT_EQ(NumberSpeech::feltTemperature(-100), L({"son_minus", "son100", "son_degrees"}));
  EXPECT_EQ(NumberSpeech::feltTemperature(-103), L({"son_minus", "son100_and", "son3", "son_degrees"}));
}

TEST(NumberSpeech, SpeedRainHumidity) {
  EXPECT_EQ(NumberSpeech::speed(0, 1.0), L({"son_null"}));
  EXPECT_EQ(NumberSpeech::speed(100, 1.0), L({"son100", "son_kmh"}));
  EXPECT_EQ(NumberSpeech::speed(150, 1.0), L({"son100_and", "son50", "son_kmh"}));
  EXPECT_EQ(NumberSpeech::speed(12, 0.621), L({"son12", "son_mph"}));
  EXPECT_EQ(NumberSpeech::rainMillimetres(0), L({"son_null"}));
  EXPECT_EQ(NumberSpeech::rainMillimetres(7), L({"son7", "son_millimeters"}));
  EXPECT_EQ(NumberSpeech::rainMillimetres(100), L({"son100", "son_millimeters"}));
  EXPECT_EQ(NumberSpeech::rainMillimetres(198), L({"son100_and", "son98", "son_millimeters"}));
  EXPECT_EQ(NumberSpeech::humidity(0), L({"son_null"}));
  EXPECT_EQ(NumberSpeech::humidity(100), L({"son100", "son_percent"}));
  EXPECT_EQ(NumberSpeech::humidity(55), L({"son55", "son_percent"}));
}

TEST(NumberSpeech, Hectopascal) {
  EXPECT_EQ(NumberSpeech::hectopascal(1013), L({"son1000", "son13", "son_millibars"}));
  EXPECT_EQ(NumberSpeech::hectopascal(985), L({"son900", "son85", "son_millibars"}));
  EXPECT_EQ(NumberSpeech::hectopascal(1000), L({"son1000", "son_millibars"}));
  EXPECT_EQ(NumberSpeech::hectopascal(930), L({"son900", "son30", "son_millibars"}));
  EXPECT_EQ(NumberSpeech::hectopascal(1050), L({"son1000", "son50", "son_millibars"}));
  // Above the upper bound the thousands are not used.
  EXPECT_EQ(NumberSpeech::hectopascal(1040, 1030.0), L({"son900", "son_millibars"}));
}

TEST(NumberSpeech, DecimalReadings) {
  EXPECT_EQ(NumberSpeech::inchesOfMercury(29.92), L({"son29", "son_point", "son9", "son2", "son_inhg"}));
  EXPECT_EQ(NumberSpeech::inchesOfMercury(30.00), L({"son30", "son_inhg"}));
  EXPECT_EQ(NumberSpeech::inchesOfMercury(30.004), L({"son30", "son_inhg"}));
  EXPECT_EQ(NumberSpeech::inchesOfMercury(29.05), L({"son29", "son_point", "son0", "son5", "son_inhg"}));
  // Rounding to two decimals carries into the whole number.
  EXPECT_EQ(NumberSpeech::inchesOfMercury(29.997), L({"son30", "son_inhg"}));
  EXPECT_EQ(NumberSpeech::rainInches(0.05), L({"son0", "son_point", "son0", "son5", "son_inch"}));
  EXPECT_EQ(NumberSpeech::rainInches(0.009), L({"son_null"}));
  EXPECT_EQ(NumberSpeech::rainInches(0.0), L({"son_null"}));
  EXPECT_EQ(NumberSpeech::rainInches(1.5), L({"son1", "son_point", "son5", "son0", "son_inch"}));
  EXPECT_EQ(NumberSpeech::rainInches(std::nan("")), L({"son_null"}));
  EXPECT_EQ(NumberSpeech::inchesOfMercury(std::nan("")), L({"son_inhg"}));
}

TEST(TimeSpeech, DatePieces) {
  EXPECT_EQ(TimeSpeech::weekday(1), L({"son_sun"}));
  EXPECT_EQ(TimeSpeech::weekday(7), L({"son_sat"}));
  EXPECT_TRUE(TimeSpeech::weekday(0).isEmpty());
  EXPECT_EQ(TimeSpeech::day(1), L({"son_1te"}));
  EXPECT_EQ(TimeSpeech::day(31), L({"son_31te"}));
  EXPECT_TRUE(TimeSpeech::day(32).isEmpty());
  EXPECT_EQ(TimeSpeech::month(1), L({"son_jan"}));
  EXPECT_EQ(TimeSpeech::month(12), L({"son_dec"}));
  EXPECT_TRUE(TimeSpeech::month(13).isEmpty());
  EXPECT_EQ(TimeSpeech::year(2024), L({"son2000", "son24"}));
  EXPECT_EQ(TimeSpeech::year(2001), L({"son2000", "son1"}));
  EXPECT_EQ(TimeSpeech::year(2059), L({"son2000", "son59"}));
  EXPECT_TRUE(TimeSpeech::year(2000).isEmpty());
  EXPECT_TRUE(TimeSpeech::year(2060).isEmpty());
}

TEST(TimeSpeech, HourAndMinute) {
  EXPECT_EQ(TimeSpeech::hour(0), L({"son0", "Son_hour"}));
  EXPECT_EQ(TimeSpeech::hour(23), L({"son23", "Son_hour"}));
  EXPECT_TRUE(TimeSpeech::minute(0, false).isEmpty());
  EXPECT_EQ(TimeSpeech::minute(5, false), L({"son5", "son_minute"}));
  EXPECT_EQ(TimeSpeech::minute(59, true), L({"son59"}));
}

TEST(TimeSpeech, SplitsTheClockReading) {
  // 2024-03-03 was a Sunday; Qt calls it day 7, the pieces day 1.
  const SpokenTime sunday = SpokenTime::from(QDateTime(QDate(2024, 3, 3), QTime(14, 35, 20)));
  EXPECT_EQ(sunday.weekday, 1);
  EXPECT_EQ(sunday.hour, 14);
  EXPECT_EQ(sunday.minute, 35);
  EXPECT_EQ(sunday.day, 3);
  EXPECT_EQ(sunday.month, 3);
  EXPECT_EQ(sunday.year, 2024);
  EXPECT_EQ(SpokenTime::from(QDateTime(QDate(2024, 3, 9), QTime(0, 0))).weekday, 7);
}
