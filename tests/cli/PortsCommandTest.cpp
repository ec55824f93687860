#include <gtest/gtest.h>

#include <QTextStream>

#include "cli/PortsCommand.h"
#include "fakes/FakeSerialLines.h"

using namespace parlhora;

TEST(PortsCommand, PrintsNoComFirstOneNameALine) {
  FakeSerialLines lines;
  lines.ports = {"ttyUSB0", "ttyS1", "ttyS0"};
  QString text;
  QTextStream out(&text);
  EXPECT_EQ(runPortsCommand(out, lines), 0);
  EXPECT_EQ(text, "No COM\nCOM1\nCOM2\nttyUSB0\n");
}

TEST(PortsCommand, RealMachineListStartsWithNoCom) {
  QString text;
  QTextStream out(&text);
  EXPECT_EQ(runPortsCommand(out), 0);
  EXPECT_TRUE(text.startsWith("No COM\n"));
}
