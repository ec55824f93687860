#include <gtest/gtest.h>

#include "weather/UnitFactors.h"
#include "weather/ValidityLimits.h"

namespace parlhora {
namespace {

TEST(UnitFactors, EachButtonSetsItsGroup) {
  UnitFactors u = UnitFactors::from({false, false, false, false});
  EXPECT_EQ(u.UnitTempText, "F");
  EXPECT_DOUBLE_EQ(u.UnitTempFactor, 1.8);
  EXPECT_DOUBLE_EQ(u.UnitTempOffset, 32);
  EXPECT_EQ(u.UnitPresText, "inHg");
  EXPECT_DOUBLE_EQ(u.UnitPresFactor, 0.02953);
  EXPECT_DOUBLE_EQ(u.UnitPOffsetFactor, 0.01);
  EXPECT_DOUBLE_EQ(u.UnitTendFactor, 0.01);
  EXPECT_EQ(u.UnitVentText, "mph");
  EXPECT_DOUBLE_EQ(u.UnitVentFactor, 0.6213712);
  EXPECT_EQ(u.UnitPluieText, "inch");
  EXPECT_DOUBLE_EQ(u.UnitPluieFactor, 0.03937);
  u.RadioButtonTcClick();
  u.RadioButtonPmClick();
  u.RadioButtonVkClick();
  u.RadioButtonRmClick();
  EXPECT_EQ(u, UnitFactors{});
}

TEST(UnitFactors, LimitsScaleWithTheUnits) {
  UnitFactors u;
  u.RadioButtonTfClick();
  u.RadioButtonPiClick();
  u.RadioButtonVmClick();
  EXPECT_TRUE(ValidityLimits::temperature(-58, u));
  EXPECT_TRUE(ValidityLimits::temperature(140, u));
  EXPECT_FALSE(ValidityLimits::temperature(140.1, u));
  EXPECT_FALSE(ValidityLimits::temperature(-58.1, u));
  EXPECT_NEAR(u.pressure(ValidityLimits::kPresLow), 27.46, 0.005);
  EXPECT_NEAR(u.pressure(ValidityLimits::kPresHigh), 31.01, 0.005);
  EXPECT_DOUBLE_EQ(u.pressureTrim(3), 0.03);
  EXPECT_TRUE(ValidityLimits::wind(123.6, u));
  EXPECT_FALSE(ValidityLimits::wind(123.7, u));
  EXPECT_FALSE(ValidityLimits::gust(3.1, u));
  EXPECT_EQ(u.pressureText(29.921), "29.92");
  EXPECT_EQ(UnitFactors{}.pressureText(1013.44), "1013.4");
  EXPECT_EQ(u.windText(12.6), "13");
}

}  // namespace
}  // namespace parlhora
