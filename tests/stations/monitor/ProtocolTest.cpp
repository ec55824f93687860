#include <gtest/gtest.h>

#include "ReadingScript.h"
#include "StationResponder.h"
#include "stations/SensorImage.h"
#include "stations/StationProtocol.h"

namespace parlhora {
namespace {

using namespace station;

TEST(StationCrc, IsTheCcittVariantTheStationUses) {
  // The published check value of CRC-16 with polynomial 0x1021 and start 0.
  const QByteArray check("123456789");
  EXPECT_EQ(crc16(check.constData(), check.size()), 0x31C3);
}

TEST(SensorPacket, RoundTripsEveryFieldAndRejectsAnyDamage) {
  const SensorImage image{-123, 0x7FFF, 42, 359, 29921, 45, 0x80, 1234};
  const QByteArray packet = image.toPacket();
  ASSERT_EQ(packet.size(), kPacketSize);
  EXPECT_EQ(SensorImage::fromPacket(packet), image);
  for (int i = 0; i < packet.size(); ++i) {
    for (const char flip : {'\x01', '\x80', '\xFF'}) {
      QByteArray bad = packet;
      bad[i] = static_cast<char>(bad[i] ^ flip);
      EXPECT_FALSE(SensorImage::fromPacket(bad)) << "byte " << i << " flip " << int(flip);
    }
  }
  EXPECT_FALSE(SensorImage::fromPacket(packet.left(17)));
  EXPECT_FALSE(SensorImage::fromPacket(packet + '\0'));
}

TEST(StationResponder, AnswersCommandsHoweverTheBytesArrive) {
  sim::StationResponder station;
  sim::StationState state;
  state.trend = 2;
  state.calInside = -15;
  station.setState(state);
  const QByteArray loop = loopCommand(1);
  // Split mid-command, and a command byte that is also a CR (address 0x0D).
  EXPECT_EQ(station.feed(loop.left(3)), QByteArray());
  EXPECT_EQ(station.feed(loop.mid(3)), QByteArray(1, kAck) + state.image.toPacket());
  EXPECT_EQ(station.feed(readCommand(kBarometerTrend)), QByteArray("\x06\x02", 2));
  EXPECT_EQ(station.feed(readCommand(kInsideTempCal)), QByteArray("\x06\xF1\xFF", 3));
  EXPECT_EQ(station.feed(readCommand({Bank::Zero, 0x0D, 2})), QByteArray("\x06\x00", 2));
  EXPECT_EQ(station.feed(QByteArray("HELLO\r")), QByteArray(1, kNak));
  EXPECT_EQ(station.feed(QByteArray("LOOP\x01\x02X", 7)).left(1), QByteArray(1, kNak));
}

TEST(ReadingScript, LinesChangeOnlyTheirKeysAndFaultsNameTheLine) {
  const auto script = sim::ReadingScript::parse(
      "# start\n0 tin=70.5 tout=- baro=29.921 wind=12 dir=90 trend=rising cal_tin=-1.5\n"
      "\n30 wind=20   # gusty\n");
  ASSERT_TRUE(script.error().isEmpty()) << script.error().toStdString();
  const auto first = script.at(29.9), later = script.at(1e6);
  EXPECT_EQ(first.image.insideTemp, 705);
  EXPECT_EQ(first.image.outsideTemp, kNoTemperature);
  EXPECT_EQ(first.image.barometer, 29921);
  EXPECT_EQ(first.calInside, -15);
  EXPECT_EQ(first.trend, 1);
  EXPECT_EQ(later.image.windSpeed, 20);
  EXPECT_EQ(later.image.windDirection, 90);

  const struct {
    const char* text;
    const char* error;
  } faults[] = {
      {"x tin=1", "line 1: time in seconds expected"},
      {"5 tin=1\n4 tin=2", "line 2: times must not go back"},
      {"0 tin", "line 1: key=value expected"},
      {"0 wind=300", "line 1: wind speed out of range"},
      {"0 trend=up", "line 1: trend is steady, rising or falling"},
      {"0 snow=1", "line 1: unknown key snow"},
      {"0 baro=nan", "line 1: barometer out of range"},
  };
  for (const auto& f : faults) EXPECT_EQ(sim::ReadingScript::parse(f.text).error(), f.error) << f.text;
}

}  // namespace
}  // namespace parlhora
