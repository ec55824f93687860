#include <gtest/gtest.h>

#include "cli/CommandLine.h"

using namespace parlhora;
using Command = CommandLine::Command;

TEST(CommandLine, HomeAndHeadlessAreTakenAnywhereBeforeTheCommand) {
  auto line = CommandLine::parse({"--home", "/tmp/x", "--headless"});
  EXPECT_TRUE(line.error.isEmpty());
  EXPECT_EQ(line.command, Command::Program);
  EXPECT_EQ(line.home, "/tmp/x");
  EXPECT_TRUE(line.headless);

  line = CommandLine::parse({"say", "--home", "/h", "--at", "2026-03-05 14:35", "--dry-run"});
  EXPECT_EQ(line.command, Command::Say);
  EXPECT_EQ(line.home, "/h");
  EXPECT_EQ(line.args, (QStringList{"--at", "2026-03-05 14:35", "--dry-run"}));
}

TEST(CommandLine, ReportsNonsenseInsteadOfGuessing) {
  EXPECT_FALSE(CommandLine::parse({"--home"}).error.isEmpty());
  EXPECT_FALSE(CommandLine::parse({"--bogus"}).error.isEmpty());
  EXPECT_FALSE(CommandLine::parse({"speak"}).error.isEmpty());
  EXPECT_EQ(CommandLine::parse({"config", "--rewrite"}).args, QStringList{"--rewrite"});
}
