#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/AnnouncerSettings.h"
#include "cli/AprsDecodeCommand.h"

namespace parlhora {
namespace {

const QByteArray kPage =
    "<html>\n<div class=\"raw_line\">2026-12-07 10:20:30 CET: OH2XYZ&gt;APRS,TCPIP*:@071020z6012.34N/"
    "02456.78E_220/004g005t077r000p000P000h50b10132</div>\n</html>\n";

struct Rig {
  void write(const char* name, const QByteArray& data) {
    QFile f(QDir(dir.path()).filePath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(data);
  }
  QTemporaryDir dir;
};

TEST(AprsDecodeCommand, PrintsReadingsCaptionsAndStatus) {
  Rig rig;
  AnnouncerSettings settings;
  settings.aprs = WebSourceSettings::aprsDefaults();
  QString out, err;
  QTextStream o(&out), e(&err);
  rig.write("page.html", kPage);
  EXPECT_EQ(
      runDecodeAprs(QDir(rig.dir.path()).filePath("page.html"), settings, rig.dir.path(), QString(), o, e),
      0);
  EXPECT_TRUE(out.contains("DirVent=220\n"));
  EXPECT_TRUE(out.contains("HumiExt=50\n"));
  EXPECT_TRUE(out.contains("CheckBoxText=Aussen-T (°C) = 25.0\n"));
  EXPECT_TRUE(out.endsWith("Status=0\n"));
  rig.write("nothing.html", "<html>\n</html>\n");
  EXPECT_EQ(
      runDecodeAprs(QDir(rig.dir.path()).filePath("nothing.html"), settings, rig.dir.path(), QString(), o, e),
      1);
  EXPECT_TRUE(out.endsWith("Status=6\n"));
}

}  // namespace
}  // namespace parlhora
