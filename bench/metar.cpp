// One METAR refresh: decoding a report and writing the side files (target
// under 1 ms), and the whole refresh with a download from a local HTTP
// server (target under 20 ms).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include "fakes/FakeNotifier.h"
#include "internet/LocalHttpServer.h"
#include "internet/MetarGroups.h"
#include "internet/MetarReadings.h"
#include "internet/MetarSideFiles.h"
#include "internet/MetarSource.h"
#include "platform/VirtualClock.h"

using namespace parlhora;

namespace {

const QByteArray kReport = "KJFK 071051Z VRB03G15KT 10SM -SHRA FEW250 M05/M07 A2992 RMK AO2 SLP132 T00560017";

void BM_DecodeAndWriteSideFiles(benchmark::State& state) {
  QTemporaryDir dir;
  QDir().mkpath(dir.filePath("weather"));
  FakeNotifier notifier;
  const UnitFactors units;
  WeatherSnapshot snap;
  SnapshotCompanions companions;
  Captions captions;
  const QDateTime now(QDate(2026, 12, 7), QTime(12, 0));
  for (auto _ : state) {
    const MetarGroups g = MetarGroups::parse(QString::fromLatin1(kReport));
    const auto time = MetarReadings::apply(g, {units, 0, true, now}, snap, companions, captions);
    MetarSideFiles::write(dir.path(), dir.filePath("weather"), MetarReportTime::uiviewStamp(time->local),
                          MetarSideFiles::uiviewWeather(g, captions, snap),
                          MetarSideFiles::plainLine(g, captions, snap, units), notifier);
  }
  if (!notifier.boxes.isEmpty()) state.SkipWithError("a side file could not be written");
}
BENCHMARK(BM_DecodeAndWriteSideFiles)->Unit(benchmark::kMicrosecond);

void BM_RefreshOverLocalHttp(benchmark::State& state) {
  LocalHttpServer server;
  server.route("/aviationweather.gov/metar?ids=KJFK",
               {200, "<html>\n<p><b>" + kReport + "</b></p>\n</html>\n"});
  QTemporaryDir dir;
  VirtualClock clock(QDateTime(QDate(2026, 12, 7), QTime(12, 0)));
  FakeNotifier notifier;
  const UnitFactors units;
  SourceContext context{clock, notifier, units, dir.path(), {}};
  WebSourceSettings settings = WebSourceSettings::metarDefaults();
  MetarSource source(context, settings);
  source.EditDatChange(server.url("/aviationweather.gov/metar?ids=KJFK").toString());
  for (auto _ : state) {
    source.refresh();
    source.waitUntilIdle();
  }
  if (source.fetchStatus() != 0 || source.snapshot().TempExt != -5) state.SkipWithError("the refresh failed");
}
BENCHMARK(BM_RefreshOverLocalHttp)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
