// station-push: a network weather station for trying the program and for
// the tests. Sends the readings of a script (as station-sim reads them) as
// Ecowitt or Wunderground uploads and prints each answer's status line.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTcpSocket>
#include <QThread>
#include <cstdio>

#include "UploadForm.h"

using namespace parlhora;

namespace {

int usage() {
  std::fputs(
      "usage: station-push --to HOST:PORT [--protocol ecowitt|wu] [--path PATH] [--key KEY]\n"
      "                    [--readings FILE] [--interval SECONDS] [--count N]\n"
      "  --protocol   ecowitt: POST on PATH (default /data/report/); wu: GET on the Wunderground path\n"
      "  --key        sent as PASSKEY (ecowitt) or ID (wu)\n"
      "  --readings   lines \"SECONDS key=value ...\" as for station-sim (tin, tout, baro, wind, dir,\n"
      "               hin, hout, rain in hundredths of an inch); the script's clock runs from the start\n"
      "  --interval   seconds between uploads (default 16); --count N uploads, then stop (default 1)\n",
      stderr);
  return 2;
}

// One upload; the status line of the answer, or why there was none.
QByteArray sendOnce(const QString& host, quint16 port, const QByteArray& request) {
  QTcpSocket socket;
  socket.connectToHost(host, port);
  if (!socket.waitForConnected(3000)) return "no connection: " + socket.errorString().toUtf8();
  socket.write(request);
  QByteArray answer;
  while (socket.waitForReadyRead(3000)) answer += socket.readAll();
  answer += socket.readAll();
  if (answer.isEmpty()) return "no answer";
  return answer.left(answer.indexOf('\r') < 0 ? answer.size() : answer.indexOf('\r'));
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments().mid(1);
  QString to, readings;
  QByteArray path = "/data/report/", key = "PARLHORA";
  push::Protocol protocol = push::Protocol::Ecowitt;
  int interval = 16, count = 1;
  for (int i = 0; i < args.size(); ++i) {
    const QString& a = args[i];
    const bool more = i + 1 < args.size();
    if (a == "--to" && more)
      to = args[++i];
    else if (a == "--protocol" && more) {
      const QString p = args[++i];
      if (p != "ecowitt" && p != "wu") return usage();
      protocol = p == "wu" ? push::Protocol::Wunderground : push::Protocol::Ecowitt;
    } else if (a == "--path" && more)
      path = args[++i].toUtf8();
    else if (a == "--key" && more)
      key = args[++i].toUtf8();
    else if (a == "--readings" && more)
      readings = args[++i];
    else if (a == "--interval" && more)
      interval = std::max(0, args[++i].toInt());
    else if (a == "--count" && more)
      count = std::max(1, args[++i].toInt());
    else
      return usage();
  }
  const qsizetype colon = to.lastIndexOf(':');
  const quint16 port = colon > 0 ? quint16(to.mid(colon + 1).toUInt()) : 0;
  if (port == 0) return usage();
  const QString host = to.left(colon);

  sim::ReadingScript script = sim::ReadingScript::parse({});
  if (!readings.isEmpty()) {
    QFile file(readings);
    if (!file.open(QIODevice::ReadOnly)) {
      std::fprintf(stderr, "station-push: cannot read %s\n", qPrintable(readings));
      return 1;
    }
    script = sim::ReadingScript::parse(file.readAll());
    if (!script.error().isEmpty()) {
      std::fprintf(stderr, "station-push: %s\n", qPrintable(script.error()));
      return 1;
    }
  }
  QElapsedTimer clock;
  clock.start();
  bool allOk = true;
  for (int n = 0; n < count; ++n) {
    if (n > 0) QThread::msleep(static_cast<unsigned long>(interval) * 1000);
    const QByteArray form = push::uploadForm(script.at(clock.elapsed() / 1000.0), protocol, key);
    const QByteArray status = sendOnce(host, port, push::uploadRequest(form, protocol, path, host.toUtf8()));
    std::printf("%s\n", status.constData());
    std::fflush(stdout);
    allOk = allOk && status.startsWith("HTTP/1.1 200");
  }
  return allOk ? 0 : 1;
}
