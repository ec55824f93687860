// A stand-in for the wave recorder: listens on its local socket, answers
// "Quorrel record" / "stop" / "close" with 1 / 2 / 3, logs each command with
// the time it came, and quits after "close".
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTextStream>
#include <QtEndian>
#include <cstdio>
#include <memory>

namespace {

constexpr int kMaxCommand = 4096;  // longer input is not a command; drop it

struct Options {
  QString name = QStringLiteral("TFormQuorrel.TALLISTO");
  QString log;
  bool silent = false;  // never answer, as a hung recorder
};

void logLine(const Options& options, const QString& line) {
  const QString stamped = QString::number(QDateTime::currentMSecsSinceEpoch()) + ' ' + line;
  std::printf("%s\n", qPrintable(stamped));
  std::fflush(stdout);
  if (options.log.isEmpty()) return;
  QFile file(options.log);
  if (file.open(QIODevice::Append | QIODevice::Text)) QTextStream(&file) << stamped << '\n';
}

qint32 replyTo(const QByteArray& command) {
  if (command == "Quorrel record") return 1;
  if (command == "Quorrel stop") return 2;
  if (command == "Quorrel close") return 3;
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  Options options;
  const QStringList args = app.arguments().mid(1);
  for (int i = 0; i < args.size(); ++i) {
    if (args[i] == "--name" && i + 1 < args.size()) {
      options.name = args[++i];
    } else if (args[i] == "--log" && i + 1 < args.size()) {
      options.log = args[++i];
    } else if (args[i] == "--silent") {
      options.silent = true;
    } else {
      std::fprintf(stderr, "usage: fake-recorder [--name SOCKET] [--log FILE] [--silent]\n");
      return 1;
    }
  }

  QLocalServer server;
  server.setSocketOptions(QLocalServer::UserAccessOption);
  QLocalServer::removeServer(options.name);
  if (!server.listen(options.name)) {
    std::fprintf(stderr, "fake-recorder: %s\n", qPrintable(server.errorString()));
    return 2;
  }
  logLine(options, QStringLiteral("start %1").arg(QCoreApplication::applicationPid()));

  QObject::connect(&server, &QLocalServer::newConnection, [&] {
    while (QLocalSocket* socket = server.nextPendingConnection()) {
      QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
      auto buffer = std::make_shared<QByteArray>();
      QObject::connect(socket, &QLocalSocket::readyRead, socket, [socket, buffer, &options] {
        QByteArray& pending = *buffer;
        pending += socket->readAll();
        const qsizetype end = pending.indexOf('\0');
        if (end < 0) {
          if (pending.size() > kMaxCommand) socket->abort();
          return;
        }
        const QByteArray command = pending.left(end);
        pending.clear();
        const qint32 reply = replyTo(command);
        logLine(options,
                reply ? QString::fromLatin1(command.mid(8)) : "unknown " + QString::fromLatin1(command));
        if (options.silent) return;
        char bytes[4];
        qToLittleEndian<qint32>(reply, bytes);
        socket->write(bytes, 4);
        socket->flush();
        if (reply == 3) {
          socket->waitForBytesWritten(1000);
          QCoreApplication::quit();
        }
      });
    }
  });
  const int status = QCoreApplication::exec();
  logLine(options, QStringLiteral("quit"));
  return status;
}
