#include "stations/net/UploadReceiver.h"

#include "stations/net/UploadParser.h"

namespace parlhora {

namespace {

QByteArray withoutSlash(QByteArray path) {
  while (path.size() > 1 && path.endsWith('/')) path.chop(1);
  return path;
}

const char* reason(int status) {
  switch (status) {
    case 200:
      return "OK";
    case 400:
      return "Bad Request";
    case 403:
      return "Forbidden";
    case 404:
      return "Not Found";
    case 405:
      return "Method Not Allowed";
    case 411:
      return "Length Required";
    case 413:
      return "Payload Too Large";
    default:
      return "Error";
  }
}

// Log texts name the fault, never a field of the request.
QString failureText(int status) {
  switch (status) {
    case 400:
      return QStringLiteral("Sendung ohne Messwerte");
    case 403:
      return QStringLiteral("falscher Schlüssel");
    case 404:
      return QStringLiteral("unbekannter Pfad");
    case 405:
      return QStringLiteral("falsche Methode");
    case 411:
      return QStringLiteral("Sendung ohne Länge");
    case 413:
      return QStringLiteral("Sendung zu groß");
    default:
      return QStringLiteral("fehlerhafte Anfrage");
  }
}

}  // namespace

UploadReceiver::UploadReceiver(StreamServer& server, Clock& clock, FailureLog& log, Accepted accepted)
    : server_(server), clock_(clock), log_(log), accepted_(std::move(accepted)), retry_(clock, [this] {
        listen();
      }) {}

void UploadReceiver::start(const Config& config) {
  config_ = config;
  retry_.stop();
  listen();
}

void UploadReceiver::stop() {
  retry_.stop();
  server_.close();
  setError(QString());
}

void UploadReceiver::listen() {
  StreamServer::Handlers handlers;
  handlers.received = [this](int id, const QString& peer, const QByteArray& bytes) {
    received(id, peer, bytes);
  };
  handlers.dropped = [this](const QString& why, const QString& peer) {
    log_.report(why,
                QStringLiteral("Netzwerk-Station: ") + why + QStringLiteral(" (") + peer + QLatin1Char(')'),
                clock_.monotonicMs());
  };
  const auto result = server_.listen(config_.port, StreamServer::Limits{}, std::move(handlers));
  if (result == StreamServer::Listen::Ok) {
    retry_.stop();
    setError(QString());
    return;
  }
  const bool busy = result == StreamServer::Listen::PortInUse;
  setError(busy ? QStringLiteral("Port belegt") : QStringLiteral("Fehler: Netzwerk"));
  log_.report(QStringLiteral("listen"),
              QStringLiteral("Netzwerk-Station: Port ") + QString::number(config_.port) +
                  (busy ? QStringLiteral(" belegt") : QStringLiteral(" nicht offen")),
              clock_.monotonicMs());
  retry_.start(kRetryMs, false);
}

void UploadReceiver::setError(const QString& text) {
  if (text == errorText_) return;
  errorText_ = text;
  errorChanged();
}

UploadReceiver::Answer UploadReceiver::answer(const HttpRequest& r) const {
  Answer a;
  const QByteArray path = withoutSlash(r.path);
  if (path != withoutSlash(config_.path) && path != kWundergroundPath) {
    a.status = 404;
    return a;
  }
  if (r.method != "GET" && r.method != "POST") {
    a.status = 405;
    return a;
  }
  a.upload = UploadParser::parse(r.method == "POST" && !r.body.isEmpty() ? r.body : r.query);
  if (!config_.key.isEmpty() && a.upload.key != config_.key) {
    a.status = 403;
  } else if (a.upload.readings() == 0) {
    a.status = 400;
  } else {
    a.accepted = true;
  }
  a.upload.key.clear();
  return a;
}

QByteArray UploadReceiver::response(int status) {
  const QByteArray text = reason(status);
  QByteArray head = "HTTP/1.1 " + QByteArray::number(status) + ' ' + text + "\r\n";
  if (status == 405) head += "Allow: GET, POST\r\n";
  return head + "Content-Type: text/plain\r\nContent-Length: " + QByteArray::number(text.size()) +
         "\r\nConnection: close\r\n\r\n" + text;
}

void UploadReceiver::received(int id, const QString& peer, const QByteArray& bytes) {
  const auto framed = HttpRequestReader::read(bytes);
  if (framed.state == HttpRequestReader::State::NeedMore) return;
  if (framed.state == HttpRequestReader::State::Failed) {
    server_.reply(id, response(framed.status));
    fail(framed.status, peer);
    return;
  }
  const Answer a = answer(framed.request);
  server_.reply(id, response(a.status));
  if (a.accepted)
    accepted_(a.upload, peer);
  else
    fail(a.status, peer);
}

void UploadReceiver::fail(int status, const QString& peer) {
  const QString text = failureText(status);
  log_.report(text,
              QStringLiteral("Netzwerk-Station: ") + text + QStringLiteral(" (") + QString::number(status) +
                  QStringLiteral(", ") + peer + QLatin1Char(')'),
              clock_.monotonicMs());
}

}  // namespace parlhora
