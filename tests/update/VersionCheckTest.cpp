#include <gtest/gtest.h>

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <QNetworkAccessManager>

#include "ListServer.h"
#include "fakes/FakeNotifier.h"
#include "update/SharedDownloader.h"
#include "update/VersionCheck.h"
#include "update/VersionNumber.h"

using namespace parlhora;

TEST(VersionNumber, OnlyTheFirstDigitOfEachPartCounts) {
  const struct {
    const char* text;
    int number;
  } cases[] = {
      {"2.2.3", 223}, {"2.2.4", 224}, {"2.10.0", 210}, {"10.0.0", 100}, {"", 0},          {"2", 200},
      {"2..3", 203},  {".5.1", 51},   {"2.x.5", 200},  {"x", 0},        {"2.2.3.9", 223}, {"2.2.3b", 223},
  };
  for (const auto& c : cases) EXPECT_EQ(VersionNumber::of(c.text), c.number) << c.text;
}

namespace {

struct Answers {
  QStringList notices;
  int warnings = 0;
  int beeps = 0;
};

// Runs one check (at start or from the about box) against `url` on the real
// downloader and returns what the user was shown.
Answers check(const QString& folder, const QUrl& url, bool aboutBox) {
  QNetworkAccessManager network;
  SharedDownloader downloader(network);
  FakeNotifier notifier;
  VersionCheck::Config config = VersionCheck::defaults(folder, "2.2.3");
  config.listUrl = url;
  VersionCheck check(downloader, notifier, config);
  Answers answers;
  QObject::connect(&check, &VersionCheck::notice, [&](const QString& text, bool warning) {
    answers.notices << text;
    answers.warnings += warning ? 1 : 0;
  });
  QEventLoop loop;
  QObject::connect(&check, &VersionCheck::busyChanged, &loop, [&](bool busy) {
    if (!busy) loop.quit();
  });
  QTimer::singleShot(20000, &loop, &QEventLoop::quit);
  aboutBox ? check.BitBtnNewReleaseClick() : check.checkAtStart();
  loop.exec();
  answers.beeps = notifier.beeps;
  EXPECT_FALSE(check.busy());
  return answers;
}

}  // namespace

TEST(VersionCheck, AnswersEachListAtStartAndFromTheAboutBoxAndLeavesNoFile) {
  const QString newer =
      "Eine neuere Version von Parlhora ist unter https://parlhora.example.org/releases verfügbar";
  const struct {
    const char* name;
    int status;
    QByteArray body;
    QString atStart;  // empty = silent
    QString fromBox;
  } cases[] = {
      {"newer", 200, "tallisto=1.0.0\nparlhora=2.2.4\n", newer, newer},
      {"same", 200, "parlhora=2.2.3\n", "", "Sie sind auf dem Laufenden"},
      {"two digits count as one", 200, "parlhora=2.10.0", "", "Sie sind auf dem Laufenden"},
      {"windows line ends", 200, "x=1\r\nparlhora=2.2.4\r\n", newer, newer},
      {"html page", 200, "<html><body>parlhora=9.9.9</body></html>", "", "Internet failure"},
      {"no line for the program", 200, "Parlhora=9.9.9\nparlhoraX=9.9.9\n=parlhora\n", "",
       "Internet failure"},
      {"empty list", 200, "", "", "Internet failure"},
      {"not found", 404, "parlhora=9.9.9", "", "Internet failure"},
  };
  ListServer server;
  for (const auto& c : cases) {
    server.answer("/index_fichiers/versions.txt", c.status, c.body);
    for (const bool aboutBox : {false, true}) {
      QTemporaryDir folder;
      const QString list = QDir(folder.path()).filePath("versions.txt");
      // A list left over from an earlier run must not be read as this one.
      QFile stale(list);
      ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
      stale.write("parlhora=9.9.9\n");
      stale.close();

      const Answers answers = check(folder.path(), server.url("/index_fichiers/versions.txt"), aboutBox);
      const QString expected = aboutBox ? c.fromBox : c.atStart;
      EXPECT_EQ(answers.notices, expected.isEmpty() ? QStringList() : QStringList{expected})
          << c.name << (aboutBox ? " (about box)" : " (start)");
      EXPECT_EQ(answers.beeps, expected == newer ? 1 : 0) << c.name;
      EXPECT_EQ(answers.warnings, expected == "Internet failure" ? 1 : 0) << c.name;
      EXPECT_FALSE(QFile::exists(list)) << c.name;
    }
  }
}

TEST(VersionCheck, AClickDuringTheStartCheckIsAnsweredByThatSameLookup) {
  ListServer server;
  server.answer("/v", 200, "parlhora=2.2.3\n");
  QTemporaryDir folder;
  QNetworkAccessManager network;
  SharedDownloader downloader(network);
  FakeNotifier notifier;
  VersionCheck::Config config = VersionCheck::defaults(folder.path(), "2.2.3");
  config.listUrl = server.url("/v");
  VersionCheck check(downloader, notifier, config);
  QStringList notices;
  int lookups = 0;
  QObject::connect(&check, &VersionCheck::notice, [&](const QString& text, bool) { notices << text; });
  QEventLoop loop;
  QObject::connect(&check, &VersionCheck::busyChanged, &loop, [&](bool busy) {
    if (busy)
      ++lookups;
    else
      loop.quit();
  });
  QTimer::singleShot(20000, &loop, &QEventLoop::quit);
  check.checkAtStart();
  check.BitBtnNewReleaseClick();
  loop.exec();
  EXPECT_EQ(lookups, 1);
  EXPECT_EQ(notices, QStringList{"Sie sind auf dem Laufenden"});
}

TEST(VersionCheck, AnAddressThatIsNotWebIsAFailureReportedLater) {
  QTemporaryDir folder;
  QNetworkAccessManager network;
  SharedDownloader downloader(network);
  int status = -1;
  downloader.fetch(QUrl("file:///etc/passwd"), QDir(folder.path()).filePath("x"), [&](int s) { status = s; });
  EXPECT_EQ(status, -1);  // never from inside fetch
  QEventLoop loop;
  QTimer::singleShot(0, &loop, &QEventLoop::quit);
  loop.exec();
  EXPECT_EQ(status, 1);
  EXPECT_FALSE(QFile::exists(QDir(folder.path()).filePath("x")));
}
