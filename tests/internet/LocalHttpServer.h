#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QMap>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>
#include <algorithm>
#include <memory>

namespace parlhora {

/// A small HTTP/1.0 server on 127.0.0.1 for the download tests: each path
/// answers with a body, an error status, a redirect, silence, or half a body
/// and then silence, or a body of `streamed` bytes sent as fast as the
/// client reads it (with or without its length announced).
class LocalHttpServer : public QObject {
 public:
  enum class Mode { Answer, Silent, StallHalfWay, Stream, StreamWithLength };
  struct Route {
    Route(int s = 200, QByteArray b = {}, QByteArray l = {}, Mode m = Mode::Answer, qint64 n = 0)
        : status(s), body(std::move(b)), location(std::move(l)), mode(m), streamed(n) {}
    int status;
    QByteArray body;
    QByteArray location;  // for 3xx
    Mode mode;
    qint64 streamed;
  };

  LocalHttpServer() {
    server_.listen(QHostAddress::LocalHost, 0);
    connect(&server_, &QTcpServer::newConnection, this, [this] {
      while (QTcpSocket* s = server_.nextPendingConnection()) {
        connect(s, &QTcpSocket::readyRead, s, [this, s] { serve(s); });
        connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
      }
    });
  }

  void route(const QByteArray& path, Route r) { routes_[path] = r; }
  QUrl url(const QByteArray& path) const {
    return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()) + QString::fromLatin1(path));
  }
  /// Answering `path` also sets the cookie `nameValue` ("sid=42").
  void giveCookie(const QByteArray& path, const QByteArray& nameValue) { gives_[path] = nameValue; }
  /// `path` answers only a request carrying `nameValue`; others are sent to
  /// `loginPath` (a 302), as a service does without a session.
  void requireCookie(const QByteArray& path, const QByteArray& nameValue, const QByteArray& loginPath) {
    needs_[path] = {nameValue, loginPath};
  }
  QByteArray lastUserAgent() const { return userAgent_; }
  int requests() const { return requests_; }
  /// Body bytes handed to the sockets of streamed answers so far.
  qint64 streamedOut() const { return streamedOut_; }

 private:
  void serve(QTcpSocket* s) {
    QByteArray& request = pending_[s];
    request += s->readAll();
    if (!request.contains("\r\n\r\n")) return;
    ++requests_;
    const QByteArray path = request.split(' ').value(1);
    const qsizetype agent = request.indexOf("User-Agent: ");
    if (agent >= 0) userAgent_ = request.mid(agent + 12, request.indexOf('\r', agent) - agent - 12);
    const QByteArray headers = request;  // the map entry goes next
    pending_.remove(s);
    Route r = routes_.value(path, Route{404, "not here", {}, Mode::Answer});
    if (needs_.contains(path)) {
      const auto& [cookie, login] = needs_[path];
      const qsizetype at = headers.indexOf("\r\nCookie: ");
      QByteArray sent = at < 0 ? QByteArray() : headers.mid(at + 10, headers.indexOf('\r', at + 2) - at - 10);
      if (!sent.replace(' ', "").split(';').contains(cookie)) r = Route{302, "", login};
    }
    if (r.mode == Mode::Silent) return;
    if (r.mode == Mode::Stream || r.mode == Mode::StreamWithLength) return stream(s, r);
    QByteArray head = "HTTP/1.0 " + QByteArray::number(r.status) + " X\r\n";
    if (!r.location.isEmpty()) head += "Location: " + url(r.location).toEncoded() + "\r\n";
    if (gives_.contains(path)) head += "Set-Cookie: " + gives_[path] + "; Path=/\r\n";
    head += "Content-Length: " + QByteArray::number(r.body.size()) + "\r\n\r\n";
    const bool stall = r.mode == Mode::StallHalfWay;
    s->write(head + (stall ? r.body.left(r.body.size() / 2) : r.body));
    if (!stall) s->disconnectFromHost();
  }

  void stream(QTcpSocket* s, const Route& r) {
    QByteArray head = "HTTP/1.0 200 X\r\n";
    if (r.mode == Mode::StreamWithLength)
      head += "Content-Length: " + QByteArray::number(r.streamed) + "\r\n";
    s->write(head + "\r\n");
    auto left = std::make_shared<qint64>(r.streamed);
    auto more = [this, s, left] {
      static const QByteArray chunk(64 * 1024, 'x');
      // Keep about one chunk queued, so only what the client reads is sent.
      if (*left <= 0 || s->bytesToWrite() > chunk.size() || s->state() != QAbstractSocket::ConnectedState)
        return;
      const qint64 n = std::min<qint64>(*left, chunk.size());
      s->write(chunk.constData(), n);
      *left -= n;
      streamedOut_ += n;
      if (*left <= 0) s->disconnectFromHost();
    };
    connect(s, &QTcpSocket::bytesWritten, s, more);
    more();
  }

  QTcpServer server_;
  QMap<QByteArray, Route> routes_;
  QMap<QTcpSocket*, QByteArray> pending_;
  QMap<QByteArray, QByteArray> gives_;
  QMap<QByteArray, std::pair<QByteArray, QByteArray>> needs_;
  QByteArray userAgent_;
  int requests_ = 0;
  qint64 streamedOut_ = 0;
};

}  // namespace parlhora
