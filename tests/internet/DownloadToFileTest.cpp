#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "internet/DownloadToFile.h"
#include "internet/LocalHttpServer.h"
#include "internet/NetworkSession.h"

namespace parlhora {
namespace {

using Mode = LocalHttpServer::Mode;

TEST(DownloadToFile, OnlyACompleteAnswerBecomesTheFile) {
  LocalHttpServer server;
  const QByteArray page = QByteArray(5000, 'x') + "\nEDDF 071020Z\n";
  server.route("/page", {200, page});
  server.route("/moved", {302, "", "/page"});
  server.route("/silent", {200, page, {}, Mode::Silent});
  server.route("/stall", {200, page, {}, Mode::StallHalfWay});
  server.route("/error", {500, "oops", {}, Mode::Answer});
  const struct {
    const char* path;
    DownloadToFile::Timeouts timeouts;
    DownloadToFile::Status status;
  } cases[] = {
      {"/page", {}, DownloadToFile::Ok},
      {"/moved", {}, DownloadToFile::Ok},
      {"/missing", {}, DownloadToFile::Failed},  // 404
      {"/error", {}, DownloadToFile::Failed},
      {"/silent", {300, 5000}, DownloadToFile::Failed},
      {"/silent", {5000, 300}, DownloadToFile::Failed},
      {"/stall", {300, 5000}, DownloadToFile::Failed},
  };
  NetworkSession session;
  QTemporaryDir dir;
  const QString target = dir.filePath("metar_web.txt");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old data");
    old.close();
    DownloadToFile download(session.manager());
    download.setTimeouts(c.timeouts);
    QElapsedTimer clock;
    clock.start();
    download.start(server.url(c.path), target);
    EXPECT_TRUE(download.running());  // start() returned at once
    EXPECT_EQ(download.wait(), c.status);
    EXPECT_LT(clock.elapsed(), 4000);
    EXPECT_FALSE(download.running());
    if (c.status == DownloadToFile::Ok) {
      QFile f(target);
      ASSERT_TRUE(f.open(QIODevice::ReadOnly));
      EXPECT_EQ(f.readAll(), page);
      EXPECT_TRUE(download.errorText().isEmpty());
    } else {
      EXPECT_FALSE(QFile::exists(target));  // neither the old file nor half a new one
      EXPECT_FALSE(download.errorText().isEmpty());
    }
    EXPECT_LE(QDir(dir.path()).entryList(QDir::Files).size(), 1);  // no temporary left behind
  }
  EXPECT_EQ(server.lastUserAgent(), "Parlhora/2.2.3");
}

// A 64 MiB answer is cut off at the bound, whether or not it says its
// length: the connection is dropped long before the server has sent it all,
// and nothing is left on disk.
TEST(DownloadToFile, AnAnswerOverTheBoundIsCutOffAndLeavesNothing) {
  constexpr qint64 k64MiB = 64 * 1024 * 1024;
  LocalHttpServer server;
  server.route("/endless", {200, {}, {}, Mode::Stream, k64MiB});
  server.route("/announced", {200, {}, {}, Mode::StreamWithLength, k64MiB});
  server.route("/just-fits", {200, {}, {}, Mode::Stream, DownloadToFile::kMaxBytes});
  NetworkSession session;
  QTemporaryDir dir;
  const QString target = dir.filePath("aprs_web.txt");
  for (const char* path : {"/endless", "/announced", "/just-fits"}) {
    SCOPED_TRACE(path);
    const qint64 sentBefore = server.streamedOut();
    DownloadToFile download(session.manager());
    download.start(server.url(path), target);
    const bool fits = QByteArray(path) == "/just-fits";
    EXPECT_EQ(download.wait(), fits ? DownloadToFile::Ok : DownloadToFile::TooLarge);
    EXPECT_EQ(QFileInfo(target).size(), fits ? DownloadToFile::kMaxBytes : 0);
    EXPECT_LE(QDir(dir.path()).entryList(QDir::Files).size(), fits ? 1 : 0);
    if (!fits) {
      EXPECT_LT(server.streamedOut() - sentBefore, k64MiB / 2);
    }
    QFile::remove(target);
  }
}

}  // namespace
}  // namespace parlhora
