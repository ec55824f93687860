#pragma once

#include <QHostAddress>
#include <QMap>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

namespace parlhora {

/// An HTTP/1.0 server on 127.0.0.1 that answers each path with a fixed
/// status and body (404 for anything else).
class ListServer : public QObject {
 public:
  ListServer() {
    server_.listen(QHostAddress::LocalHost, 0);
    connect(&server_, &QTcpServer::newConnection, this, [this] {
      while (QTcpSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { serve(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
      }
    });
  }

  void answer(const QByteArray& path, int status, const QByteArray& body) { routes_[path] = {status, body}; }
  QUrl url(const QByteArray& path) const {
    return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()) + QString::fromLatin1(path));
  }

 private:
  void serve(QTcpSocket* socket) {
    QByteArray& request = pending_[socket];
    request += socket->readAll();
    if (!request.contains("\r\n\r\n")) return;
    const QByteArray path = request.split(' ').value(1);
    pending_.remove(socket);
    const auto route = routes_.value(path, {404, "not here"});
    socket->write("HTTP/1.0 " + QByteArray::number(route.first) + " X\r\nContent-Length: " +
                  QByteArray::number(route.second.size()) + "\r\nConnection: close\r\n\r\n" + route.second);
    socket->disconnectFromHost();
  }

  QTcpServer server_;
  QMap<QByteArray, QPair<int, QByteArray>> routes_;
  QMap<QTcpSocket*, QByteArray> pending_;
};

}  // namespace parlhora
