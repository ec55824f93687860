#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "fakes/FakeNotifier.h"
#include "internet/DownloadToFile.h"
#include "internet/LocalHttpServer.h"
#include "internet/MetarSource.h"
#include "platform/VirtualClock.h"
#include "weather/UnitFactors.h"

namespace parlhora {
namespace {

using Mode = LocalHttpServer::Mode;

// What both web sources share, seen through the METAR source against a
// local server: plain report files, so no page extraction is involved.
struct Rig {
  Rig() {
    server.route("/a", {200, "EDDF 071050Z 05/02 Q1020\n"});
    server.route("/b", {200, "LFPG 071050Z 10/02 Q1010\n"});
    server.route("/stall", {200, "x", {}, Mode::Silent});
    server.route("/huge", {200, {}, {}, Mode::Stream, 64 * 1024 * 1024});
    source.downloader().setTimeouts({3000, 10000});
  }
  QString url(const char* path, const char* name) const { return server.url(path).toString() + " //" + name; }
  void enter(const QString& address) {
    source.EditDatChange(address);
    source.EditDatKeyPress();
  }
  QString caption(const char* name) const { return source.captions().text(name); }

  LocalHttpServer server;
  QTemporaryDir dir;
  VirtualClock clock{QDateTime(QDate(2026, 12, 7), QTime(12, 0))};
  FakeNotifier notifier;
  UnitFactors units;
  SourceContext context{clock, notifier, units, dir.path(), QString()};
  WebSourceSettings settings = WebSourceSettings::metarDefaults();
  MetarSource source{context, settings};
};

// Typing another address while a download runs changes nothing about it:
// its report, its name and its entry in the recent list are its own.
TEST(WebSource, ADownloadBelongsToTheAddressItWasStartedFor) {
  Rig rig;
  const QString a = rig.url("/a", "Frankfurt"), b = rig.url("/b", "Paris");
  rig.enter(a);
  // Nothing decoded yet: the weather is held back, not spoken from zeros.
  EXPECT_EQ(rig.source.errorText(), "Herunterladen ...");
  rig.source.EditDatChange(b);  // typed, no Enter
  EXPECT_EQ(rig.caption("LabelNomICAO"), "Paris");
  rig.source.waitUntilIdle();
  EXPECT_EQ(rig.source.fetchStatus(), 0);
  EXPECT_EQ(rig.caption("LabelICAO"), "Airport code = EDDF");
  EXPECT_EQ(rig.caption("LabelNomICAO"), "Frankfurt");
  EXPECT_TRUE(rig.settings.history.contains(a.toLocal8Bit()));
  EXPECT_FALSE(rig.settings.history.contains(b.toLocal8Bit()));
  EXPECT_EQ(rig.settings.history.value(rig.source.historyIndex()), a.toLocal8Bit());
  EXPECT_EQ(rig.settings.address, b.toLocal8Bit());

  // Once filled, a later download shows in the window but keeps the
  // readings speakable.
  rig.source.EditDatKeyPress();
  EXPECT_EQ(rig.source.statusText(), "Herunterladen ...");
  EXPECT_EQ(rig.source.errorText(), "");
  rig.source.waitUntilIdle();
  EXPECT_EQ(rig.caption("LabelICAO"), "Airport code = LFPG");
}

// A request while a download runs waits for it (the newest replaces an
// older one) and starts the moment it ends; one for another address
// cancels the running download instead of failing next to it later.
TEST(WebSource, RequestsDuringADownloadAreQueuedNotDropped) {
  Rig rig;
  const QString a = rig.url("/a", "Frankfurt");
  rig.enter(a);
  rig.source.refresh();          // the timer or the end of an announcement
  rig.source.EditDatKeyPress();  // Enter replaces the queued refresh
  EXPECT_TRUE(rig.source.requestQueued());
  rig.source.waitUntilIdle();
  EXPECT_FALSE(rig.source.requestQueued());
  EXPECT_EQ(rig.server.requests(), 2);
  EXPECT_EQ(rig.source.errorText(), "");
  EXPECT_TRUE(rig.source.timerActive());

  rig.enter(rig.url("/stall", "Stau"));
  QDeadlineTimer deadline(30000);
  while (rig.server.requests() < 3 && !deadline.hasExpired()) QCoreApplication::processEvents();
  rig.source.ButtonRafraichirClick();  // same address: waits for the stall
  EXPECT_TRUE(rig.source.requestQueued());
  rig.enter(rig.url("/b", "Paris"));
  EXPECT_FALSE(rig.source.requestQueued());
  rig.source.waitUntilIdle();
  EXPECT_EQ(rig.source.fetchStatus(), 0);
  EXPECT_EQ(rig.source.errorText(), "");
  EXPECT_EQ(rig.caption("LabelICAO"), "Airport code = LFPG");
  EXPECT_EQ(rig.server.requests(), 4);
}

// A page far over the bound is cut off: no report, nothing on disk, and
// the readings of the last good refresh stay.
TEST(WebSource, AnOversizedPageIsAPageWithoutAReport) {
  Rig rig;
  rig.enter(rig.url("/a", "Frankfurt"));
  rig.source.waitUntilIdle();
  const double temperature = rig.source.snapshot().TempExt;
  rig.enter(rig.server.url("/huge").toString());
  rig.source.waitUntilIdle();
  EXPECT_EQ(rig.source.fetchStatus(), MetarPage::NoReport);
  EXPECT_EQ(rig.source.errorText(), "Dateifehler #6");
  EXPECT_FALSE(QFile::exists(QDir(rig.dir.path()).filePath("metar_web.txt")));
  EXPECT_EQ(rig.source.snapshot().TempExt, temperature);
  EXPECT_LT(rig.server.streamedOut(), 32 * 1024 * 1024);
}

}  // namespace
}  // namespace parlhora
