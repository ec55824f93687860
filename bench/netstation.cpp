// The network station: the work one upload costs (framing, parsing, the
// readings with a full day's history, the state file), and the keying of a
// due second while a flood of 100 uploads a second reaches the receiver
// over 127.0.0.1.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <algorithm>
#include <vector>

#include "OffsetClock.h"
#include "TimedKeying.h"
#include "app/ScheduleSettings.h"
#include "app/Scheduler.h"
#include "audio/AnnouncementOptions.h"
#include "audio/Keying.h"
#include "audio/PartnerLink.h"
#include "audio/RecorderHooks.h"
#include "audio/Sequencer.h"
#include "audio/WaveEngine.h"
#include "audio/WeatherSpeech.h"
#include "fakes/FakeNotifier.h"
#include "fakes/FakeWaveOut.h"
#include "platform/backends/SystemClock.h"
#include "platform/backends/TcpStreamServer.h"
#include "stations/StationTime.h"
#include "stations/net/NetReading.h"
#include "stations/net/NetSource.h"
#include "stations/net/NetStateFile.h"
#include "stations/net/UploadParser.h"
#include "weather/UnitFactors.h"

using namespace parlhora;

namespace {

const QByteArray kBody =
    "PASSKEY=ABC&stationtype=GW1100&dateutc=now&tempinf=68.0&humidityin=40&baromrelin=29.920&tempf=50.0"
    "&humidity=65&winddir=250&windspeedmph=10.0&windgustmph=15.0&dailyrainin=0.1&totalrainin=12.5";
const QByteArray kRequest =
    "POST /data/report/ HTTP/1.1\r\nHost: x\r\nContent-Length: " + QByteArray::number(kBody.size()) +
    "\r\n\r\n" + kBody;

void BM_UploadHandled(benchmark::State& state) {
  QTemporaryDir folder;
  const UnitFactors units;
  NetState s;
  const double start = StationTime::fromDateTime(QDateTime(QDate(2026, 3, 5), QTime(0, 0)));
  for (int minute = 0; minute < 25 * 60; minute += 5)
    s.history.add(start + minute / 1440.0, 1013, 100 + minute / 60.0, 5);
  for (auto _ : state) {
    const auto framed = HttpRequestReader::read(kRequest);
    s.upload = UploadParser::parse(framed.request.body);
    s.arrival = start + 25 / 24.0;
    StationReading reading;
    NetReading::evaluate(s.upload, s.arrival, s.history, StationParams{units}, reading);
    benchmark::DoNotOptimize(reading.snapshot.TempExt);
    NetStateFile::save(folder.path(), s);
  }
}
BENCHMARK(BM_UploadHandled)->Unit(benchmark::kMicrosecond);

void BM_KeyingDuringFlood(benchmark::State& state) {
  std::vector<double> latencies;
  int answered = 0;
  for (auto _ : state) {
    OffsetClock clock;
    FakeWaveOut out{clock, FakeWaveOut::Mode::PlayTime};
    FakeNotifier notifier;
    WaveEngine engine{out, clock, notifier};
    TimedKeying keying{clock};
    PartnerLink link;
    RecorderHooks recorder;
    WeatherSpeech weather;
    AnnouncementOptions options;
    options.date = options.itIs = options.hourWithWords = false;
    ScheduleSettings schedule;
    schedule.periodPosition = 1;
    Sequencer seq{engine, clock, keying, link, recorder, weather, options};
    Scheduler scheduler{clock, schedule, options};
    scheduler.setWiring(Scheduler::wiringFor(seq));
    scheduler.setPeriodPosition(1);

    QTemporaryDir folder;
    UnitFactors units;
    SourceContext context{clock, notifier, units, folder.path(), {}};
    NetStationSettings settings;
    settings.port = 0;
    TcpStreamServer server;
    NetSource source(context, settings, &server);
    source.pick();
    const quint16 port = source.listeningPort();
    // 100 uploads a second, each on its own connection.
    std::function<void()> flood = [&] {
      auto* socket = new QTcpSocket;
      QObject::connect(socket, &QTcpSocket::connected, [socket] { socket->write(kRequest); });
      QObject::connect(socket, &QTcpSocket::readyRead, [&answered, socket] {
        if (socket->readAll().startsWith("HTTP/1.1 200")) ++answered;
      });
      QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
      socket->connectToHost(QStringLiteral("127.0.0.1"), port);
      clock.callAfter(10, flood);
    };
    flood();

    scheduler.start();
    QDateTime due = QDateTime(QDate(2024, 6, 12), QTime(12, 0));
    for (int i = 0; i < 10; ++i) {
      due = due.addSecs(300);
      clock.aim(due, 1300);
      const size_t before = keying.keyedAt.size();
      const std::int64_t giveUp = clock.monotonicMs() + 5000;
      while (keying.keyedAt.size() == before && clock.monotonicMs() < giveUp) clock.waitMs(20);
      if (keying.keyedAt.size() == before) {
        state.SkipWithError("a due minute did not start");
        return;
      }
      latencies.push_back(due.msecsTo(keying.keyedAt.back()));
      while (seq.busy()) clock.waitMs(20);
      clock.waitMs(1100);
    }
    scheduler.stop();
    flood = [] {};
  }
  std::sort(latencies.begin(), latencies.end());
  state.counters["median_ms"] = latencies[latencies.size() / 2];
  state.counters["worst_ms"] = latencies.back();
  state.counters["uploads_answered"] = answered;
}
BENCHMARK(BM_KeyingDuringFlood)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
