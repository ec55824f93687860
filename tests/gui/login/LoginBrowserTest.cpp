#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QNetworkCookie>
#include <QNetworkCookieJar>
#include <QPushButton>
#include <QTemporaryDir>
#include <functional>

#include "fakes/FakeNotifier.h"
#include "gui/LoginBrowser.h"
#include "gui/TFormMeteoAPRS.h"
#include "internet/AprsPage.h"
#include "internet/AprsSource.h"
#include "internet/LocalHttpServer.h"
#include "internet/NetworkSession.h"
#include "platform/VirtualClock.h"
#include "weather/UnitFactors.h"

#ifdef PARLHORA_WEBENGINE
#include <QWebEngineView>
#endif

namespace parlhora {
namespace {

// Runs events until `done` holds; false after a generous minute, so a
// broken engine fails the test instead of hanging it.
bool runUntil(const std::function<bool()>& done) {
  QDeadlineTimer deadline(60000);
  while (!done() && !deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  return done();
}

bool moduleLoaded() {
  QFile maps(QStringLiteral("/proc/self/maps"));
  return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("parlhora-loginview");
}

const QByteArray kPage =
    "<html>\n<div class=\"raw_line\">2026-12-07 10:20:30 CET: OH2XYZ&gt;APRS,TCPIP*:@071020z6012.34N/"
    "02456.78E_220/004g005t077r000p000P000h50b10132</div>\n</html>\n";

// The service's station page answers only within a session; its log-in
// form sets the session cookie. The form is loaded and sent in the real
// embedded view, and the source's next download must carry its cookie.
TEST(LoginBrowser, ALogInInTheEmbeddedViewOpensTheStationPage) {
#ifndef PARLHORA_WEBENGINE
  GTEST_SKIP() << "built without a web engine";
#endif
  LocalHttpServer server;
  server.route("/login", {200,
                          "<html><body><form id=\"f\" method=\"post\" action=\"/session\">"
                          "<input name=\"user\" value=\"OH2XYZ\"><input type=\"submit\"></form>"
                          "</body></html>"});
  server.route("/session", {200, "<html><body>angemeldet</body></html>"});
  server.giveCookie("/session", "sid=42");
  server.route("/aprs.fi/raw", {200, kPage});
  server.requireCookie("/aprs.fi/raw", "sid=42", "/login");

  QTemporaryDir dir;
  // The engine's profile keeps its cookies on disk: a fresh one each run, so
  // only this run's log-in can open the page.
  qputenv("XDG_DATA_HOME", dir.filePath("data").toLocal8Bit());
  qputenv("XDG_CACHE_HOME", dir.filePath("cache").toLocal8Bit());
  VirtualClock clock{QDateTime(QDate(2026, 12, 7), QTime(12, 0))};
  FakeNotifier notifier;
  UnitFactors units;
  SourceContext context{clock, notifier, units, dir.path(), QString()};
  NetworkSession network;
  WebSourceSettings settings = WebSourceSettings::aprsDefaults();
  AprsSource source{context, settings, nullptr, &network};
  TFormMeteoAPRS window(source, network);
  window.setLoginPage(server.url("/login"));
  window.show();
  EXPECT_EQ(window.findChild<LoginBrowser*>(), nullptr);  // no engine before the button
  EXPECT_FALSE(moduleLoaded());

  window.findChild<QPushButton*>("ButtonLogin")->click();
  auto* browser = window.findChild<LoginBrowser*>();
  ASSERT_NE(browser, nullptr);
  EXPECT_TRUE(moduleLoaded());
  EXPECT_TRUE(source.browserShown());
  int loads = 0;
  bool ok = true;
  QObject::connect(browser, &LoginBrowser::pageLoaded, [&](bool good) {
    ++loads;
    ok = ok && good;
  });
  ASSERT_TRUE(runUntil([&] { return loads >= 1; }));
  EXPECT_TRUE(ok);
#ifdef PARLHORA_WEBENGINE
  auto* view = window.findChild<QWebEngineView*>("WebBrowser1");
  ASSERT_NE(view, nullptr);
  view->page()->runJavaScript(QStringLiteral("document.getElementById('f').submit();"));
#endif
  const QUrl station = server.url("/aprs.fi/raw");
  ASSERT_TRUE(runUntil([&] { return !network.cookies().cookiesForUrl(station).isEmpty(); }));
  EXPECT_TRUE(ok);

  // "Aktualisieren" closes the browser and downloads with the session.
  source.EditDatChange(station.toString());
  window.findChild<QPushButton*>("ButtonRafraichir")->click();
  EXPECT_FALSE(source.browserShown());
  EXPECT_TRUE(browser->isHidden());
  source.waitUntilIdle();
  EXPECT_EQ(source.fetchStatus(), AprsPage::Ok);
  EXPECT_EQ(source.errorText(), "");
  EXPECT_EQ(source.snapshot().DirVent, 220);
  EXPECT_TRUE(notifier.boxes.isEmpty());
}

}  // namespace
}  // namespace parlhora
