#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QNetworkCookie>
#include <QNetworkCookieJar>
#include <QTemporaryDir>

#include "fakes/FakeNotifier.h"
#include "internet/AprsPage.h"
#include "internet/AprsSource.h"
#include "internet/DownloadToFile.h"
#include "internet/LocalHttpServer.h"
#include "internet/NetworkSession.h"
#include "platform/VirtualClock.h"
#include "weather/UnitFactors.h"

namespace parlhora {
namespace {

struct Rig {
  Rig() {
    QDir().mkpath(dir.filePath("weather"));
    source.downloader().setTimeouts({300, 2000});
  }
  QByteArray file(const char* name) const {
    QFile f(QDir(dir.path()).filePath(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
  }
  void write(const char* name, const QByteArray& data) {
    QFile f(QDir(dir.path()).filePath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(data);
  }
  void fetch(const QUrl& url) {
    source.EditDatChange(url.toString() + " //OH2XYZ");
    source.refresh();
    source.waitUntilIdle();
  }

  QTemporaryDir dir;
  VirtualClock clock{QDateTime(QDate(2026, 12, 7), QTime(12, 0))};
  FakeNotifier notifier;
  UnitFactors units;
  SourceContext context{clock, notifier, units, dir.path(), dir.filePath("weather")};
  NetworkSession network;
  WebSourceSettings settings = WebSourceSettings::aprsDefaults();
  AprsSource source{context, settings, nullptr, &network};
};

const QByteArray kPage =
    "<html>\n<div class=\"raw_line\">2026-12-07 10:20:30 CET: OH2XYZ&gt;APRS,TCPIP*:@071020z6012.34N/"
    "02456.78E_220/004g005t077r000p000P000h50b10132</div>\n</html>\n";

// The station page of the service answers only with a session cookie;
// without one it sends the browser to its log-in page. The log-in is made
// outside the source (as the log-in browser does) in the shared jar.
TEST(AprsSource, ASessionInTheSharedJarOpensTheStationPage) {
  LocalHttpServer server;
  server.route("/aprs.fi/raw", {200, kPage});
  server.requireCookie("/aprs.fi/raw", "sid=42", "/aprs.fi/login");
  server.route("/aprs.fi/login", {200, "<html><form>log in</form></html>\n"});
  server.route("/aprs.fi/session", {200, "ok"});
  server.giveCookie("/aprs.fi/session", "sid=42");
  Rig rig;

  rig.fetch(server.url("/aprs.fi/raw"));
  EXPECT_EQ(rig.source.fetchStatus(), AprsPage::NoPacket);
  EXPECT_EQ(rig.source.errorText(), "Dateifehler #6");
  EXPECT_EQ(rig.notifier.boxes,
            QStringList{"Bitte die URL überprüfen oder aprs.fi anzumelden, dann aktualisieren"});
  EXPECT_TRUE(rig.source.timerActive());

  // While the browser is shown a timer refresh only re-arms the timer.
  rig.source.setBrowserShown(true);
  const int before = server.requests();
  rig.source.refresh();
  EXPECT_FALSE(rig.source.downloading());
  EXPECT_TRUE(rig.source.timerActive());
  EXPECT_EQ(server.requests(), before);

  // The log-in: a cookie from the service lands in the session's jar.
  DownloadToFile login(rig.network.manager());
  login.start(server.url("/aprs.fi/session"), QDir(rig.dir.path()).filePath("login.txt"));
  login.wait();
  ASSERT_EQ(rig.network.cookies().cookiesForUrl(server.url("/aprs.fi/raw")).size(), 1);

  rig.source.ButtonRafraichirClick();  // hides the browser and fetches
  rig.source.waitUntilIdle();
  EXPECT_FALSE(rig.source.browserShown());
  EXPECT_EQ(rig.source.fetchStatus(), AprsPage::Ok);
  EXPECT_EQ(rig.source.errorText(), "");
  EXPECT_EQ(rig.source.snapshot().DirVent, 220);
  EXPECT_NEAR(rig.source.snapshot().TempExt, 25, 1e-9);
  EXPECT_EQ(rig.source.captions().text("Editdatemeteo"), "2026-12-07 10:20:30");
  EXPECT_EQ(rig.settings.timeBase, 1);
  EXPECT_EQ(rig.file("aprs_cw.txt"), " TEMP 25C = QNH 1013hPa = WS 6kmh = WCT 27C = HUM 50 \r\n");
  EXPECT_EQ(rig.file("weather/aprs_cw.txt"), rig.file("aprs_cw.txt"));
  EXPECT_TRUE(rig.source.ready());
  EXPECT_GT(rig.source.companions().DataTime, 0);
  EXPECT_TRUE(rig.source.timerActive());

  // A failed download keeps the readings of the last good refresh.
  rig.fetch(server.url("/nothing"));
  EXPECT_EQ(rig.source.errorText(), "Dateifehler #1");
  EXPECT_NEAR(rig.source.snapshot().TempExt, 25, 1e-9);
  EXPECT_EQ(rig.notifier.boxes.size(), 1);  // no log-in hint off the service
}

TEST(AprsSource, LocalWeatherFiles) {
  Rig rig;
  rig.write("wxnow.txt", "Dec 07 2026 10:20\r\n_12071030c220s004g005t077r000p000P000h50b10132\r\n\r\n");
  rig.source.EditDatChange("wxnow.txt");
  rig.source.EditDatKeyPress();
  EXPECT_EQ(rig.source.errorText(), "");
  EXPECT_EQ(rig.source.captions().text("Editdatemeteo"), "Dec 07 2026 10:20");
  EXPECT_EQ(rig.source.captions().text("CheckBoxPatm"), "Luftdruck (hPa) = 1013.2");
  // The file vanishes: the readings stay, and so does their plain line.
  const QByteArray line = rig.file("aprs_cw.txt");
  EXPECT_TRUE(line.startsWith(" TEMP 25C = QNH 1013hPa"));
  QFile::remove(QDir(rig.dir.path()).filePath("wxnow.txt"));
  rig.source.refresh();
  EXPECT_EQ(rig.source.errorText(), "Dateifehler #4");
  EXPECT_NEAR(rig.source.snapshot().TempExt, 25, 1e-9);
  EXPECT_EQ(rig.file("aprs_cw.txt"), line);
  rig.source.EditDatChange("gone.txt");
  rig.source.refresh();
  EXPECT_EQ(rig.source.errorText(), "Dateifehler #4");
  rig.source.fileChosen(QDir(rig.dir.path()).filePath("gone.txt"));
  EXPECT_EQ(rig.settings.address, "");
  EXPECT_EQ(rig.notifier.beeps, 1);
}

}  // namespace
}  // namespace parlhora
