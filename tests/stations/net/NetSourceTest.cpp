#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include "fakes/FakeNotifier.h"
#include "platform/backends/SystemClock.h"
#include "platform/backends/TcpStreamServer.h"
#include "stations/net/NetSource.h"
#include "stations/net/NetStateFile.h"
#include "weather/UnitFactors.h"

namespace parlhora {
namespace {

// A real station on 127.0.0.1: one request, the whole answer back.
QByteArray send(quint16 port, const QByteArray& request) {
  QTcpSocket socket;
  socket.connectToHost(QStringLiteral("127.0.0.1"), port);
  QByteArray answer;
  bool sent = false;
  const QDeadlineTimer deadline(10000);
  while (!deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    if (!sent && socket.state() == QAbstractSocket::ConnectedState) {
      socket.write(request);
      sent = true;
    }
    answer += socket.readAll();
    if (sent && socket.state() == QAbstractSocket::UnconnectedState) break;
  }
  return answer;
}

QByteArray post(const QByteArray& path, const QByteArray& body) {
  return "POST " + path +
         " HTTP/1.1\r\nHost: parlhora\r\nContent-Type: application/x-www-form-urlencoded\r\n"
         "Content-Length: " +
         QByteArray::number(body.size()) + "\r\n\r\n" + body;
}

NetUpload outsideAt(int celsius) {
  NetUpload u;
  u.tempOut = celsius;
  return u;
}

struct Station : ::testing::Test {
  QTemporaryDir folder;
  SystemClock clock;
  FakeNotifier notifier;
  UnitFactors units;
  QStringList log;
  SourceContext context{clock,
                        notifier,
                        units,
                        folder.path(),
                        {},
                        [] { return false; },
                        [this](const QString& line) { log << line; }};
  NetStationSettings settings;
  TcpStreamServer server;

  Station() { settings.port = 0; }
};

TEST_F(Station, RoundTripStatusesAndRestart) {
  settings.key = "GW-KEY";
  NetSource source(context, settings, &server);
  source.applySettings();
  EXPECT_FALSE(source.ready());
  source.pick();
  const quint16 port = source.listeningPort();
  ASSERT_NE(port, 0);

  const QByteArray body =
      "PASSKEY=GW-KEY&tempf=50.0&humidity=65&baromrelin=29.920&windspeedmph=10&winddir=90";
  EXPECT_TRUE(send(port, post("/data/report/", body)).startsWith("HTTP/1.1 200 OK"));
  EXPECT_TRUE(source.ready());
  EXPECT_NEAR(source.snapshot().TempExt, 10, 1e-9);
  EXPECT_EQ(source.snapshot().HumiExt, 65);
  EXPECT_EQ(source.snapshot().TempInt, -200) << "not in the upload";
  EXPECT_TRUE(source.captions().text("LabelSendung").endsWith(" von 127.0.0.1"));

  const struct {
    QByteArray request;
    const char* status;
  } refused[] = {
      {post("/other", body), "HTTP/1.1 404"},
      {"DELETE /data/report/ HTTP/1.1\r\n\r\n", "HTTP/1.1 405"},
      {"POST /data/report/ HTTP/1.1\r\nContent-Length: 20000\r\n\r\n" + body, "HTTP/1.1 413"},
      {post("/data/report/", "PASSKEY=wrong&tempf=99"), "HTTP/1.1 403"},
      {"GET /weatherstation/updateweatherstation.php?ID=GW-KEY&tempf=nan&action=updateraw HTTP/1.1\r\n\r\n",
       "HTTP/1.1 400"},
  };
  for (const auto& r : refused) EXPECT_TRUE(send(port, r.request).startsWith(r.status)) << r.status;
  EXPECT_NEAR(source.snapshot().TempExt, 10, 1e-9) << "a refused upload changes nothing";
  for (const QString& line : log) EXPECT_FALSE(line.contains("GW-KEY")) << line.toStdString();
  QFile state(folder.filePath(NetStateFile::kName));
  ASSERT_TRUE(state.open(QIODevice::ReadOnly));
  EXPECT_FALSE(state.readAll().contains("GW-KEY")) << "no key is stored";

  // A one-shot command: no server, the readings and their time from the file.
  NetSource again(context, settings, nullptr);
  again.applySettings();
  again.refresh();
  EXPECT_TRUE(again.ready());
  EXPECT_NEAR(again.snapshot().TempExt, 10, 1e-9);
  EXPECT_EQ(again.companions().DataTime, source.companions().DataTime);
  EXPECT_EQ(again.listeningPort(), 0);
}

TEST_F(Station, PortInUseIsSaidAndTriedAgain) {
  QTcpServer holder;
  ASSERT_TRUE(holder.listen(QHostAddress::Any, 0));
  settings.port = holder.serverPort();
  NetSource source(context, settings, &server);
  source.pick();
  EXPECT_EQ(source.errorText(), "Port belegt");
  EXPECT_TRUE(source.timerActive()) << "waiting to try again";
  source.receiverSettingsChanged();
  EXPECT_EQ(log.filter("belegt").size(), 1) << "once a minute at most";
  holder.close();
  source.stop();
  source.pick();
  EXPECT_EQ(source.errorText(), "");
  EXPECT_EQ(source.listeningPort(), settings.port);
}

TEST_F(Station, AFloodCostsOneRefreshASecond) {
  NetSource source(context, settings, &server);
  int refreshes = 0;
  QObject::connect(&source, &SourceController::readingsChanged, [&] { ++refreshes; });
  for (int i = 0; i < 50; ++i) source.take(outsideAt(i), QStringLiteral("10.0.0.1"));
  EXPECT_EQ(refreshes, 1);
  EXPECT_NEAR(source.snapshot().TempExt, 0, 1e-9);
  clock.waitMs(1100);
  EXPECT_EQ(refreshes, 2) << "the newest waiting upload, once";
  EXPECT_NEAR(source.snapshot().TempExt, 49, 1e-9);
}

}  // namespace
}  // namespace parlhora
