#include "gui/RaiseChannel.h"

#include <QCryptographicHash>
#include <QLocalSocket>

namespace parlhora {

QString RaiseChannel::nameFor(const QString& programFolder) {
  const QByteArray hash = QCryptographicHash::hash(programFolder.toUtf8(), QCryptographicHash::Sha1).toHex();
  return QStringLiteral("parlhora-raise-") + QString::fromLatin1(hash.left(16));
}

bool RaiseChannel::knock(const QString& programFolder, int timeoutMs) {
  QLocalSocket socket;
  socket.connectToServer(nameFor(programFolder));
  if (!socket.waitForConnected(timeoutMs)) return false;
  socket.write("raise\n");
  return socket.waitForBytesWritten(timeoutMs);
}

void RaiseChannel::listen(const QString& programFolder, std::function<void()> raise) {
  raise_ = std::move(raise);
  const QString name = nameFor(programFolder);
  // We hold the folder's lock, so a socket of that name is a dead one's.
  QLocalServer::removeServer(name);
  if (!server_.listen(name)) return;  // the window cannot be raised; nothing else is lost
  QObject::connect(&server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
      QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
      if (raise_) raise_();
    }
  });
}

}  // namespace parlhora
