#include <gtest/gtest.h>

#include "app/SettingsFile.h"

namespace parlhora {
namespace {

QByteArray file(const QByteArray& body) { return SettingsFile::header() + "\r\n" + body; }

QList<QByteArray> cwLines(const QByteArray& saved) {
  QList<QByteArray> lines;
  for (const QByteArray& line : SettingsFile::splitLines(saved))
    if (line.startsWith("CWID")) lines << line;
  return lines;
}

TEST(CwIdKeys, DefaultsAreNotWrittenAndEveryValueSurvivesASave) {
  AnnouncerSettings none;
  EXPECT_TRUE(cwLines(SettingsFile::save(none)).isEmpty());
  EXPECT_FALSE(none.cwid.enabled);
  EXPECT_EQ(none.cwid.wpm, 20);
  EXPECT_EQ(none.cwid.hz, 800);
  EXPECT_EQ(none.cwid.levelPercent, 50);
  EXPECT_EQ(none.cwid.minMinutes, 0);

  // Out-of-range values stay as written: the check names them, a save keeps them.
  AnnouncerSettings s;
  const LoadReport report = SettingsFile::load(
      file(
          "CWID=Y\r\nCWID_CALL= dl1abc/p \r\nCWID_WPM=50\r\nCWID_HZ=700\r\nCWID_LEVEL=30\r\nCWID_MIN=10\r\n"),
      s, [](const QByteArray&) { return true; });
  EXPECT_TRUE(report.ignored.isEmpty());
  EXPECT_TRUE(s.cwid.enabled);
  EXPECT_EQ(s.cwid.call, "DL1ABC/P");
  EXPECT_EQ(s.cwid.wpm, 50);
  EXPECT_EQ(cwLines(SettingsFile::save(s)),
            (QList<QByteArray>{"CWID=Y", "CWID_CALL=DL1ABC/P", "CWID_WPM=50", "CWID_HZ=700", "CWID_LEVEL=30",
                               "CWID_MIN=10"}));
}

TEST(CwIdKeys, AValueThatIsNoNumberIsReportedAndNeverSentAsADefault) {
  AnnouncerSettings s;
  const LoadReport report = SettingsFile::load(file("CWID_WPM=fast\r\nCWID_HZ=+800\r\nCWID_MIN=\r\n"), s,
                                               [](const QByteArray&) { return true; });
  ASSERT_EQ(report.ignored.size(), 3);
  EXPECT_EQ(report.ignored[0].reason, "value not a number");
  EXPECT_EQ(s.cwid.wpm, CwIdSettings::kUnreadable);
  EXPECT_EQ(s.cwid.hz, CwIdSettings::kUnreadable);
  EXPECT_TRUE(cwLines(SettingsFile::save(s)).isEmpty());
}

}  // namespace
}  // namespace parlhora
