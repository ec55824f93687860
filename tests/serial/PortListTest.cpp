#include <gtest/gtest.h>

#include <random>

#include "fakes/FakeSerialLines.h"
#include "serial/PortList.h"

using namespace parlhora;

TEST(PortList, NoComFirstThenSortedAsText) {
  EXPECT_EQ(PortList::build({"ttyS9", "ttyUSB0", "ttyS0", "ttyACM0", "ttyS1"}),
            (QStringList{"No COM", "COM1", "COM10", "COM2", "ttyACM0", "ttyUSB0"}));
  EXPECT_EQ(PortList::build({"COM2", "COM10", "COM1"}), (QStringList{"No COM", "COM1", "COM10", "COM2"}));
  EXPECT_EQ(PortList::build({}), QStringList{"No COM"});
}

TEST(PortList, LeavesOutPortZeroDuplicatesAndUnsafeNames) {
  EXPECT_EQ(PortList::build({"COM0", "COM3", "ttyS2", "../sda", "", "pts/3", "COMx"}),
            (QStringList{"No COM", "COM3", "COMx"}));
}

TEST(PortList, SettingValueToPortName) {
  EXPECT_EQ(PortList::portNameFromSetting("0"), "No COM");
  EXPECT_EQ(PortList::portNameFromSetting("3"), "COM3");
  EXPECT_EQ(PortList::portNameFromSetting("03"), "COM3");
  EXPECT_EQ(PortList::portNameFromSetting("ttyUSB0"), "ttyUSB0");
  EXPECT_EQ(PortList::portNameFromSetting("ttyS0"), "COM1");
  EXPECT_EQ(PortList::portNameFromSetting("COM4"), "COM4");
  EXPECT_EQ(PortList::portNameFromSetting(""), "");
  // Kept as text so the open fails visibly instead of the value vanishing.
  EXPECT_EQ(PortList::portNameFromSetting("99999"), "99999");
  EXPECT_EQ(PortList::portNameFromSetting("../../etc/passwd"), "../../etc/passwd");
}

TEST(PortList, PortNameToSettingValueRoundTrips) {
  EXPECT_EQ(PortList::settingForPortName("No COM"), "0");
  EXPECT_EQ(PortList::settingForPortName("COM10"), "10");
  EXPECT_EQ(PortList::settingForPortName("ttyACM0"), "ttyACM0");
  for (const QByteArray value : {"0", "1", "256", "ttyUSB3"})
    EXPECT_EQ(PortList::settingForPortName(PortList::portNameFromSetting(value)), value);
}

TEST(PortList, DevicePathsAreCleanFullPaths) {
  EXPECT_EQ(PortList::devicePath("COM1"), "/dev/ttyS0");
  EXPECT_EQ(PortList::devicePath("COM10"), "/dev/ttyS9");
  EXPECT_EQ(PortList::devicePath("ttyUSB0"), "/dev/ttyUSB0");
  EXPECT_EQ(PortList::devicePath("ttyUSB0", "/tmp/dev"), "/tmp/dev/ttyUSB0");
  EXPECT_EQ(PortList::devicePath("/dev/serial/by-id/usb-FTDI_FT232R-if00-port0"),
            "/dev/serial/by-id/usb-FTDI_FT232R-if00-port0");
  EXPECT_EQ(PortList::devicePath("/dev/pts/3"), "/dev/pts/3");
  // A udev rule's or a simulator's link; the port refuses what is no tty.
  EXPECT_EQ(PortList::devicePath("/dev/wx-station"), "/dev/wx-station");
  EXPECT_EQ(PortList::devicePath("/tmp/sim/ttyWX"), "/tmp/sim/ttyWX");
  EXPECT_EQ(PortList::portNameFromSetting("/tmp/sim/ttyWX"), "/tmp/sim/ttyWX");
  for (const char* bad :
       {"No COM", "    ", "", "COM0", "../../etc/passwd", "pts/3", "..", "99999", "/dev/../etc/passwd",
        "/dev/pts/../../etc/shadow", "/dev//ttyS0", "/dev/", "/", "/tmp/./x", "/dev/a b"})
    EXPECT_TRUE(PortList::devicePath(bad).isEmpty()) << bad;
}

TEST(PortList, AnySettingValueMapsToACleanDevicePathOrNone) {
  std::mt19937 random(7);
  static const char kChars[] = "COMtySUB0129./\\ -_\0\xff";
  const QByteArray alphabet(kChars, sizeof kChars - 1);  // keeps the NUL
  for (int i = 0; i < 5000; ++i) {
    QByteArray value;
    const int length = static_cast<int>(random() % 12);
    if (random() % 2) value = "/dev/";
    for (int c = 0; c < length; ++c) value += alphabet.at(static_cast<int>(random() % alphabet.size()));
    const QString path = PortList::devicePath(PortList::portNameFromSetting(value));
    if (path.isEmpty()) continue;
    ASSERT_TRUE(path.startsWith("/")) << value.toHex().constData();
    const QString rest = path.mid(1);
    ASSERT_FALSE(rest.startsWith('.') || rest.contains("/.") || rest.contains("//") ||
                 rest.contains(QChar(0)))
        << value.toHex().constData();
  }
}
