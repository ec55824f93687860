#include <gtest/gtest.h>

#include "audio/VolumeMath.h"

namespace parlhora {
namespace {

std::uint32_t lr(std::uint32_t left, std::uint32_t right) { return left | (right << 16); }

TEST(VolumeMath, LevelsRoundHalvesToEven) {
  EXPECT_EQ(VolumeMath::level(0), 65535);
  EXPECT_EQ(VolumeMath::level(3), 45874);
  EXPECT_EQ(VolumeMath::level(5), 32768);
  EXPECT_EQ(VolumeMath::level(9), 6554);
  EXPECT_EQ(VolumeMath::level(10), 0);
}

TEST(VolumeMath, BalanceTurnsOneChannelDown) {
  EXPECT_EQ(VolumeMath::deviceVolume(0, 20), lr(65535, 52428));
  EXPECT_EQ(VolumeMath::deviceVolume(0, -20), lr(52428, 65535));
  EXPECT_EQ(VolumeMath::deviceVolume(0, 0), lr(65535, 65535));
  EXPECT_EQ(VolumeMath::deviceVolume(0, 100), lr(65535, 0));
  EXPECT_EQ(VolumeMath::deviceVolume(10, -100), lr(0, 0));
}

TEST(VolumeMath, ReadBackGivesBalanceAndSlider) {
  EXPECT_EQ(VolumeMath::readBack(lr(65535, 52428), 0).balance, 20);
  EXPECT_EQ(VolumeMath::readBack(lr(65535, 52428), 0).position, 0);
  EXPECT_EQ(VolumeMath::readBack(lr(52428, 65535), 0).balance, -20);
  // Silence moves the slider to the bottom and keeps the balance.
  EXPECT_EQ(VolumeMath::readBack(0, 37).position, 10);
  EXPECT_EQ(VolumeMath::readBack(0, 37).balance, 37);
  EXPECT_EQ(VolumeMath::readBack(lr(65535, 0), 0).balance, 100);
}

TEST(VolumeMath, EveryPositionReadsBackAsItself) {
  for (int balance : {0, 20, -20, 55, -99}) {
    for (int position = 0; position <= 10; ++position) {
      const VolumeMath::Slider s = VolumeMath::readBack(VolumeMath::deviceVolume(position, balance), balance);
      EXPECT_EQ(s.position, position) << "balance " << balance;
      if (position < 10) {
        EXPECT_EQ(s.balance, balance) << "position " << position;
      }
    }
  }
}

TEST(VolumeMath, GaugeMovesInTensWithinItsRange) {
  EXPECT_EQ(VolumeMath::gaugeClick(70, true), 80);
  EXPECT_EQ(VolumeMath::gaugeClick(70, false), 60);
  EXPECT_EQ(VolumeMath::gaugeClick(100, true), 100);
  EXPECT_EQ(VolumeMath::gaugeClick(5, false), 0);
}

}  // namespace
}  // namespace parlhora
