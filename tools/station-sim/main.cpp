// station-sim: a Weather Monitor II on a pseudo-terminal, for trying the
// program and for the tests. Prints the device to use on its first line.
#include <signal.h>
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

#include "PtyServer.h"

namespace {

volatile int stopRequested = 0;
volatile int reloadRequested = 0;

void onStop(int) { stopRequested = 1; }
void onReload(int) { reloadRequested = 1; }

int usage() {
  std::fputs(
      "usage: station-sim [--readings FILE] [--link PATH] [--silent] [--slow MS] [--corrupt N]\n"
      "  --readings FILE  readings over time: lines \"SECONDS key=value ...\" (SIGHUP reloads)\n"
      "  --link PATH      also reachable as PATH (a symlink), kept across restarts\n"
      "  --silent         read the requests, never answer\n"
      "  --slow MS        answer MS milliseconds late\n"
      "  --corrupt N      break the CRC of every Nth sensor packet\n",
      stderr);
  return 2;
}

bool toInt(const QString& text, int lo, int hi, int& out) {
  bool ok = false;
  out = text.toInt(&ok);
  return ok && out >= lo && out <= hi;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments().mid(1);
  parlhora::sim::PtyServer::Options options;
  for (qsizetype i = 0; i < args.size(); ++i) {
    const QString& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "--silent") {
      options.silent = true;
    } else if (a == "--readings" && hasValue) {
      options.readingsFile = args[++i];
    } else if (a == "--link" && hasValue) {
      options.linkPath = args[++i];
    } else if (a == "--slow" && hasValue) {
      if (!toInt(args[++i], 0, 600000, options.slowMs)) return usage();
    } else if (a == "--corrupt" && hasValue) {
      if (!toInt(args[++i], 1, 1000000, options.corruptEvery)) return usage();
    } else {
      return usage();
    }
  }
  struct sigaction stop {};
  stop.sa_handler = onStop;
  sigaction(SIGTERM, &stop, nullptr);
  sigaction(SIGINT, &stop, nullptr);
  struct sigaction reload {};
  reload.sa_handler = onReload;
  sigaction(SIGHUP, &reload, nullptr);

  parlhora::sim::PtyServer server(options);
  if (const QString wrong = server.start(); !wrong.isEmpty()) {
    std::fprintf(stderr, "station-sim: %s\n", qPrintable(wrong));
    return 1;
  }
  std::printf("%s\n", qPrintable(server.device()));
  std::fflush(stdout);
  return server.run(stopRequested, reloadRequested);
}
