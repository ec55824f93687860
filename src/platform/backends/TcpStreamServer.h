#pragma once

#include <QHash>
#include <QObject>
#include <QTcpServer>

#include "platform/StreamServer.h"

class QTcpSocket;
class QTimer;

namespace parlhora {

/// StreamServer on QTcpServer: non-blocking, on the core thread's event loop.
class TcpStreamServer final : public QObject, public StreamServer {
  Q_OBJECT

 public:
  TcpStreamServer() = default;
  ~TcpStreamServer() override;
  TcpStreamServer(const TcpStreamServer&) = delete;
  TcpStreamServer& operator=(const TcpStreamServer&) = delete;

  Listen listen(quint16 port, Limits limits, Handlers handlers) override;
  bool listening() const override { return server_.isListening(); }
  quint16 port() const override { return server_.serverPort(); }
  void close() override;
  void reply(int id, const QByteArray& bytes) override;

 private:
  struct Connection {
    QTcpSocket* socket = nullptr;
    QTimer* deadline = nullptr;
    QByteArray received;
    QString peer;
  };

  void accept();
  void read(int id);
  void drop(int id, const QString& why);
  void forget(int id);

  QTcpServer server_;
  Limits limits_;
  Handlers handlers_;
  QHash<int, Connection> connections_;
  int nextId_ = 1;
};

}  // namespace parlhora
