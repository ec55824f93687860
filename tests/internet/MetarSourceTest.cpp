#include <gtest/gtest.h>

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

  QTemporaryDir dir;
  VirtualClock clock{QDateTime(QDate(2026, 12, 7), QTime(12, 0))};
  FakeNotifier notifier;
  UnitFactors units;
  SourceContext context{clock, notifier, units, dir.path(), dir.filePath("weather")};
  WebSourceSettings settings = WebSourceSettings::metarDefaults();
  MetarSource source{context, settings};
};

TEST(MetarSource, RefreshesFromALocalWebServer) {
  LocalHttpServer server;
  const QByteArray report = "EDDF 071020Z 24015G25KT 9999 12/08 Q1013";
  server.route("/aviationweather.gov/bold?ids=EDDF",
               {200, "<html><body>\n<p>TAF: EDDF 071100Z 0712/0818</p>\n<p><b>" + report +
                         "</b></p>\n</body></html>\n"});
  server.route("/aviationweather.gov/taf?ids=EDDF",
               {200, "<html>\n<p>TAF: EDDF 071100Z 0712/0818</p>\n</html>\n"});
  server.route("/aviationweather.gov/noid", {200, "<b>" + report + "</b>\n"});
  server.route("/plain", {200, "EDDF 070950Z 02KT 04/01 Q1019\nEDDF 071050Z 05/02 Q1020\n\n"});
  server.route("/moved", {301, "", "/plain"});
  server.route("/short", {200, "ab"});
  server.route("/silent", {200, "x", {}, Mode::Silent});
  server.route("/stall", {200, QByteArray(4000, 'x'), {}, Mode::StallHalfWay});
  const struct {
    const char* path;
    int status;
    double temperature;    // the snapshot keeps the last good value
    const char* dataFile;  // "metar_web.txt" after the refresh
  } cases[] = {
      {"/aviationweather.gov/bold?ids=EDDF", 0, 12, "EDDF 071020Z 24015G25KT 9999 12/08 Q1013\r\n"},
      {"/aviationweather.gov/taf?ids=EDDF", 6, 12, "<html>\n<p>TAF: EDDF 071100Z 0712/0818</p>\n</html>\n"},
      {"/plain", 0, 5, "EDDF 070950Z 02KT 04/01 Q1019\nEDDF 071050Z 05/02 Q1020\n\n"},
      {"/short", 1, 5, "ab"},
      {"/missing", 1, 5, "<none>"},
      {"/aviationweather.gov/noid", 6, 5, "<b>EDDF 071020Z 24015G25KT 9999 12/08 Q1013</b>\n"},
      {"/moved", 0, 5, "EDDF 070950Z 02KT 04/01 Q1019\nEDDF 071050Z 05/02 Q1020\n\n"},
      {"/silent", 1, 5, "<none>"},
      {"/stall", 1, 5, "<none>"},
  };
  Rig rig;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    rig.source.EditDatChange(server.url(c.path).toString() + " //Frankfurt");
    rig.source.refresh();
    EXPECT_TRUE(rig.source.downloading());  // the refresh returned at once
    EXPECT_EQ(rig.source.statusText(), "Herunterladen ...");
    EXPECT_FALSE(rig.source.timerActive());
    rig.source.waitUntilIdle();
    EXPECT_EQ(rig.source.fetchStatus(), c.status);
    EXPECT_EQ(rig.source.errorText(), c.status ? QStringLiteral("Dateifehler #%1").arg(c.status) : QString());
    EXPECT_EQ(rig.source.snapshot().TempExt, c.temperature);
    EXPECT_EQ(rig.file("metar_web.txt"), c.dataFile);
    EXPECT_EQ(rig.source.captions().text("LabelNomICAO"), "Frankfurt");
    EXPECT_TRUE(rig.source.timerActive());
  }
  EXPECT_EQ(rig.file("metar_cw.txt"), " TEMP 5C = QNH 1020hPa = HUM 81 \r\n");
  EXPECT_EQ(rig.file("weather/metar_cw.txt"), " TEMP 5C = QNH 1020hPa = HUM 81 \r\n");
  EXPECT_EQ(rig.file("metar_uiview.txt"), "Dec 07 2026 11:50\r\n.../...g...t041r000p...P...h81b10200\r\n");
  EXPECT_EQ(rig.settings.history.size(), 3);  // the three addresses that fetched
  EXPECT_TRUE(rig.notifier.boxes.isEmpty());

  // Enter fetches once and decodes what it fetched.
  const int before = server.requests();
  rig.source.EditDatChange(server.url("/aviationweather.gov/bold?ids=EDDF").toString());
  rig.source.EditDatKeyPress();
  rig.source.waitUntilIdle();
  EXPECT_EQ(server.requests(), before + 1);
  EXPECT_EQ(rig.source.snapshot().TempExt, 12);
  EXPECT_TRUE(rig.source.timerActive());
}

TEST(MetarSource, ReadsALocalFileWhereTheAddressPoints) {
  Rig rig;
  rig.write("station.txt", "LFPG 071030Z 24015G25KT 9999 -RA 12/08 Q1013\r\n\r\n");
  rig.source.EditDatChange("station.txt //Roissy");
  rig.source.EditDatKeyPress();  // no download: Enter reads the file
  EXPECT_EQ(rig.source.errorText(), "");
  EXPECT_EQ(rig.file("weather/metar_uiview.txt"),
            "Dec 07 2026 11:30\r\n240/017g029t054r005p...P...h77b10130\r\n");
  EXPECT_TRUE(rig.source.timerActive());
  rig.source.EditDatChange("gone.txt");
  rig.source.refresh();
  EXPECT_EQ(rig.source.errorText(), "Dateifehler #6");
  EXPECT_EQ(rig.source.snapshot().TempExt, 12);
}

}  // namespace
}  // namespace parlhora
