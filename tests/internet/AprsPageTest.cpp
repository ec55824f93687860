#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>

#include "fakes/FakeNotifier.h"
#include "internet/AprsPage.h"
#include "internet/AprsReportDate.h"

namespace parlhora {
namespace {

TEST(AprsPage, PagesGiveTheirNewestPacketOrAStatus) {
  const QByteArray packet =
      "2026-12-07 10:20:30 CET: OH2XYZ&gt;APRS,TCPIP*:@071020z6012.34N/02456.78E_220/004g005t035h85b10132";
  const struct {
    const char* name;
    QByteArray content;  // nothing written when null
    AprsPage::Status status;
    QByteArray kept;
  } cases[] = {
      {"raw lines, newest last",
       "<html>\n<span class='raw_line'>2026-12-07 09:00:00 CET: old_c000</span>\n"
       "<span class='raw_line'>" +
           packet + "</span>\n</html>\n",
       AprsPage::Ok, packet + "\r\n"},
      {"log-in page", "<html><form action='?c=login'>\n</form></html>\n", AprsPage::NoPacket, {}},
      {"position without weather",
       "<div>\n<span class=\"raw_line\">OH2XYZ&gt;APRS:!6012.34N/02456.78E-</span>\n",
       AprsPage::NoWeather,
       {}},
      {"unclosed tag keeps what follows it", "<p>\n<b class=raw_line>x<i _c100", AprsPage::Ok, "i _c100\r\n"},
      {"plain weather file", "Dec 07 2026 10:20\n_12071030c220s004g005t077\n", AprsPage::Ok,
       "Dec 07 2026 10:20\n_12071030c220s004g005t077\n"},
      {"short download", "<a", AprsPage::DownloadFailed, {}},
      {"missing", QByteArray(), AprsPage::NoDataFile, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("aprs_web.txt");
    if (!c.content.isNull()) {
      QFile f(path);
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
      f.write(c.content);
    }
    FakeNotifier notifier;
    EXPECT_EQ(AprsPage::examine(path, notifier), c.status);
    if (c.status == AprsPage::Ok) {
      QFile f(path);
      ASSERT_TRUE(f.open(QIODevice::ReadOnly));
      EXPECT_EQ(f.readAll(), c.kept);
    }
  }
}

TEST(AprsReportDate, DateLinesAndPageStamps) {
  const QDateTime now(QDate(2026, 12, 7), QTime(12, 0), QTimeZone(3600));
  const struct {
    QStringList lines;
    bool universal;
    const char* shown;  // null: no date
    QDateTime local;
  } cases[] = {
      {{"Dec 07 2026 10:20", "_c220"},
       false,
       "Dec 07 2026 10:20",
       QDateTime(QDate(2026, 12, 7), QTime(10, 20), Qt::UTC)},
      {{"Dec 07 2026 10:20", "_c220"},
       true,
       "Dec 07 2026 10:20",
       QDateTime(QDate(2026, 12, 7), QTime(11, 20), Qt::UTC)},
      {{"Xyz 99 2026 10:20", "_c220"}, false, "Xyz 99 2026 10:20", QDateTime()},
      {{"some other line", "_c220"}, false, nullptr, QDateTime()},
      {{"2026-12-07 10:20:30 CET: X>Y:_c220"},
       true,
       "2026-12-07 10:20:30",
       QDateTime(QDate(2026, 12, 7), QTime(10, 20, 30), Qt::UTC)},
      {{"ab-cd-ef 1x:2y:3z   _"}, false, nullptr, QDateTime()},
      {{"_c220-"}, false, nullptr, QDateTime()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lines.join(" | ").toStdString());
    const auto d = AprsReportDate::read(c.lines, c.universal, now);
    ASSERT_EQ(d.has_value(), c.shown != nullptr);
    if (!d) continue;
    EXPECT_EQ(d->shown, QString::fromLatin1(c.shown));
    EXPECT_EQ(d->local, c.local);
  }
}

}  // namespace
}  // namespace parlhora
