#include "platform/backends/TcpStreamServer.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>

namespace parlhora {

TcpStreamServer::~TcpStreamServer() { close(); }

StreamServer::Listen TcpStreamServer::listen(quint16 port, Limits limits, Handlers handlers) {
  close();
  limits_ = limits;
  handlers_ = std::move(handlers);
  if (!server_.listen(QHostAddress::Any, port))
    return server_.serverError() == QAbstractSocket::AddressInUseError ? Listen::PortInUse : Listen::Failed;
  connect(&server_, &QTcpServer::newConnection, this, &TcpStreamServer::accept, Qt::UniqueConnection);
  return Listen::Ok;
}

void TcpStreamServer::close() {
  server_.close();
  const QList<int> ids = connections_.keys();
  for (int id : ids) forget(id);
}

void TcpStreamServer::accept() {
  while (QTcpSocket* socket = server_.nextPendingConnection()) {
    bool v4 = false;
    const QHostAddress address = socket->peerAddress();
    const quint32 ip4 = address.toIPv4Address(&v4);
    const QString peer = v4 ? QHostAddress(ip4).toString() : address.toString();
    if (connections_.size() >= limits_.maxConnections) {
      socket->abort();
      socket->deleteLater();
      if (handlers_.dropped) handlers_.dropped(QStringLiteral("zu viele Verbindungen"), peer);
      continue;
    }
    const int id = nextId_++;
    Connection c{socket, new QTimer(socket), {}, peer};
    // The kernel may hold more; what we take is bounded.
    socket->setReadBufferSize(limits_.maxBytes + 1);
    c.deadline->setSingleShot(true);
    connect(c.deadline, &QTimer::timeout, this,
            [this, id] { drop(id, QStringLiteral("Zeitüberschreitung")); });
    connect(socket, &QTcpSocket::readyRead, this, [this, id] { read(id); });
    connect(socket, &QTcpSocket::disconnected, this, [this, id] { forget(id); });
    c.deadline->start(limits_.timeoutMs);
    connections_.insert(id, c);
    if (socket->bytesAvailable() > 0) read(id);
  }
}

void TcpStreamServer::read(int id) {
  auto it = connections_.find(id);
  if (it == connections_.end()) return;
  const qint64 room = limits_.maxBytes + 1 - it->received.size();
  if (room <= 0) return;
  it->received += it->socket->read(room);
  const QByteArray received = it->received;
  const QString peer = it->peer;
  if (handlers_.received) handlers_.received(id, peer, received);
}

void TcpStreamServer::reply(int id, const QByteArray& bytes) {
  auto it = connections_.find(id);
  if (it == connections_.end()) return;
  QTcpSocket* socket = it->socket;
  it->deadline->stop();
  // One answer per connection; whatever else it sends is not read.
  disconnect(socket, &QTcpSocket::readyRead, this, nullptr);
  socket->write(bytes);
  socket->disconnectFromHost();
  // disconnected() then forgets it; a peer that never reads is cut off.
  QTimer::singleShot(limits_.timeoutMs, socket, [this, id] { forget(id); });
}

void TcpStreamServer::drop(int id, const QString& why) {
  auto it = connections_.find(id);
  if (it == connections_.end()) return;
  const QString peer = it->peer;
  forget(id);
  if (handlers_.dropped) handlers_.dropped(why, peer);
}

void TcpStreamServer::forget(int id) {
  auto it = connections_.find(id);
  if (it == connections_.end()) return;
  QTcpSocket* socket = it->socket;
  connections_.erase(it);
  socket->disconnect(this);
  socket->abort();
  socket->deleteLater();
}

}  // namespace parlhora
