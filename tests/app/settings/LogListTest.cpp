#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/LogList.h"
#include "platform/VirtualClock.h"

namespace parlhora {
namespace {

QList<QByteArray> fileLines(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  QList<QByteArray> lines = f.readAll().split('\n');
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  for (auto& l : lines) l.chop(1);  // CR
  return lines;
}

class LogListTest : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  VirtualClock clock{QDateTime(QDate(2026, 3, 5), QTime(14, 35, 7))};
  QString path = dir.filePath("parlhora.log");
};

TEST_F(LogListTest, LineCarriesDateTimeAndIsWrittenAtOnce) {
  LogList log(clock, path);
  QStringList echoed;
  log.setEcho([&echoed](const QString& l) { echoed << l; });
  log.AppendLogLine("Meteo MonII Tinn=21");
  const QLocale locale = QLocale::system();
  const QString expected = locale.toString(QDate(2026, 3, 5), QLocale::ShortFormat) + " " +
                           locale.toString(QTime(14, 35, 7), QLocale::LongFormat) + " Meteo MonII Tinn=21";
  EXPECT_EQ(log.lines(), (QStringList{"Log PIROLO", expected}));
  EXPECT_EQ(echoed, QStringList{expected});
  EXPECT_EQ(fileLines(path), (QList<QByteArray>{"Log PIROLO", expected.toUtf8()}));
}

TEST_F(LogListTest, CapDropsOldestAfterHeader) {
  // A full list from the file, then the 2161st line (header included).
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("Log PIROLO\r\n");
  for (int i = 1; i < LogList::kMaxLines; ++i) f.write("old " + QByteArray::number(i) + "\r\n");
  f.close();
  LogList log(clock, path);
  log.load();
  ASSERT_EQ(log.lines().size(), LogList::kMaxLines);
  log.AppendLogLine("new");
  ASSERT_EQ(log.lines().size(), LogList::kMaxLines);
  EXPECT_EQ(log.lines().first(), "Log PIROLO");
  EXPECT_EQ(log.lines()[1], "old 2");
  EXPECT_TRUE(log.lines().last().endsWith(" new"));
  const auto written = fileLines(path);
  ASSERT_EQ(written.size(), LogList::kMaxLines);
  EXPECT_EQ(written[1], "old 2");
}

TEST_F(LogListTest, AppendsBelowTheCapKeepEveryLine) {
  LogList log(clock, path);
  for (int i = 0; i < 50; ++i) log.AppendLogLine(QString::number(i));
  EXPECT_EQ(log.lines().size(), 51);
  EXPECT_EQ(fileLines(path).size(), 51);
}

TEST_F(LogListTest, LoadKeepsHeaderFirstAndCaps) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  for (int i = 0; i < 3000; ++i) f.write("old " + QByteArray::number(i) + "\r\n");
  f.close();
  LogList log(clock, path);
  log.load();
  ASSERT_EQ(log.lines().size(), LogList::kMaxLines);
  EXPECT_EQ(log.lines().first(), "Log PIROLO");
  EXPECT_EQ(log.lines().last(), "old 2999");
}

TEST_F(LogListTest, WriteFailuresAreIgnoredAndLineBreaksFlattened) {
  ASSERT_TRUE(QDir(dir.path()).mkdir("parlhora.log"));  // a folder in the way
  LogList log(clock, path);
  log.AppendLogLine("a\nb");
  EXPECT_EQ(log.lines().size(), 2);
  EXPECT_TRUE(log.lines()[1].endsWith("a b"));
  LogList missing(clock, dir.filePath("nothing.log"));
  missing.load();
  EXPECT_EQ(missing.lines(), QStringList{"Log PIROLO"});
}

}  // namespace
}  // namespace parlhora
