#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <map>

#include "platform/LogNotifier.h"
#include "platform/backends/XdgAutostart.h"
#include "platform/backends/XdgPaths.h"

namespace parlhora {
namespace {

TEST(XdgAutostart, WritesAndRemovesTheEntry) {
  QTemporaryDir config;
  XdgAutostart autostart(config.path(), "/opt/parlhora/parlhora", {"--home", "/srv/my radio"});
  EXPECT_TRUE(autostart.setEnabled(false));  // nothing there: nothing to do, no error
  EXPECT_FALSE(autostart.isEnabled());
  ASSERT_TRUE(autostart.setEnabled(true));
  EXPECT_EQ(autostart.filePath(), config.filePath("autostart/pirolo.desktop"));
  QFile f(autostart.filePath());
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray text = f.readAll();
  EXPECT_TRUE(text.startsWith("[Desktop Entry]\n"));
  EXPECT_TRUE(text.contains("\nExec=/opt/parlhora/parlhora --home \"/srv/my radio\"\n"));
  EXPECT_TRUE(text.contains("\nType=Application\n"));
  ASSERT_TRUE(autostart.setEnabled(false));
  EXPECT_FALSE(QFileInfo::exists(autostart.filePath()));
}

TEST(XdgAutostart, ExecQuotingOfAwkwardPaths) {
  EXPECT_EQ(XdgAutostart::execLine("/a b/p$x", {}), "\"/a b/p\\\\$x\"");
  EXPECT_EQ(XdgAutostart::execLine("/a\\b", {"100%"}), "\"/a\\\\\\\\b\" 100%%");
  QTemporaryDir config;
  EXPECT_FALSE(XdgAutostart(config.path(), "/bad\npath").setEnabled(true));
}

class XdgPathsTest : public ::testing::Test {
 protected:
  QTemporaryDir root;
  std::map<std::string, QString> vars{{"HOME", root.filePath("home")}};
  XdgPaths::Environment env() {
    return [this](const char* name) {
      const auto it = vars.find(name);
      return it == vars.end() ? QString() : it->second;
    };
  }
};

TEST_F(XdgPathsTest, HomeOptionWinsAndIsCreated) {
  XdgPaths paths(root.filePath("given/dir"), root.path(), env());
  EXPECT_EQ(paths.programFolder(), root.filePath("given/dir"));
  EXPECT_TRUE(QFileInfo(paths.programFolder()).isDir());
  EXPECT_EQ(paths.weatherFolder(), root.filePath("home/Public/weather"));
  EXPECT_TRUE(QFileInfo(paths.weatherFolder()).isDir());
}

TEST_F(XdgPathsTest, WritableExecutableFolderElseDataHome) {
  EXPECT_EQ(XdgPaths({}, root.path(), env()).programFolder(), root.path());
  vars["XDG_DATA_HOME"] = root.filePath("data");
  EXPECT_EQ(XdgPaths({}, root.filePath("no/such/folder"), env()).programFolder(),
            root.filePath("data/parlhora"));
  vars.erase("XDG_DATA_HOME");
  EXPECT_EQ(XdgPaths({}, root.filePath("no/such/folder"), env()).programFolder(),
            root.filePath("home/.local/share/parlhora"));
}

TEST_F(XdgPathsTest, PublicShareFromEnvironmentOrUserDirs) {
  vars["XDG_PUBLICSHARE_DIR"] = root.filePath("pub");
  EXPECT_EQ(XdgPaths(root.path(), root.path(), env()).weatherFolder(), root.filePath("pub/weather"));
  vars.erase("XDG_PUBLICSHARE_DIR");
  ASSERT_TRUE(QDir().mkpath(root.filePath("home/.config")));
  QFile dirs(root.filePath("home/.config/user-dirs.dirs"));
  ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
  dirs.write("# comment\nXDG_PUBLICSHARE_DIR=\"$HOME/Öffentlich\"\n");
  dirs.close();
  EXPECT_EQ(XdgPaths(root.path(), root.path(), env()).weatherFolder(),
            root.filePath("home/Öffentlich/weather"));
}

TEST_F(XdgPathsTest, UncreatableWeatherFolderStaysEmpty) {
  QFile blocker(root.filePath("file"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  vars["XDG_PUBLICSHARE_DIR"] = root.filePath("file");
  EXPECT_TRUE(XdgPaths(root.path(), root.path(), env()).weatherFolder().isEmpty());
}

TEST(LogNotifier, BeepsAndBoxesBecomeLines) {
  QStringList lines;
  LogNotifier notifier([&lines](const QString& l) { lines << l; });
  notifier.beep();
  notifier.errorBox("Fehler: Dateiname");
  EXPECT_EQ(lines, (QStringList{"Signalton", "Meldung: Fehler: Dateiname"}));
}

}  // namespace
}  // namespace parlhora
