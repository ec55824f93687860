#include "platform/backends/LocalSocketRecorderChannel.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QtEndian>

namespace parlhora {

LocalSocketRecorderChannel::LocalSocketRecorderChannel(QString name, int timeoutMs)
    : name_(std::move(name)), timeoutMs_(timeoutMs) {}

bool LocalSocketRecorderChannel::find() {
  QLocalSocket socket;
  socket.connectToServer(name_);
  if (!socket.waitForConnected(timeoutMs_)) return false;
  socket.disconnectFromServer();
  return true;
}

int LocalSocketRecorderChannel::send(const QByteArray& command) {
  QLocalSocket socket;
  socket.connectToServer(name_);
  if (!socket.waitForConnected(timeoutMs_)) return 0;
  QByteArray message = command;
  message.append('\0');
  socket.write(message);
  if (!socket.waitForBytesWritten(timeoutMs_)) return 0;
  QDeadlineTimer deadline(timeoutMs_);
  while (socket.bytesAvailable() < 4) {
    if (deadline.hasExpired() || !socket.waitForReadyRead(int(deadline.remainingTime()))) return 0;
  }
  const QByteArray reply = socket.read(4);
  socket.disconnectFromServer();
  return qFromLittleEndian<qint32>(reply.constData());
}

bool LocalSocketRecorderChannel::launch(const QString& path) {
  const QFileInfo file(path);
  if (file.isFile() && file.isExecutable())
    return QProcess::startDetached(file.absoluteFilePath(), {}, file.absolutePath());
  return QProcess::startDetached(QStringLiteral("xdg-open"), {file.absoluteFilePath()});
}

}  // namespace parlhora
