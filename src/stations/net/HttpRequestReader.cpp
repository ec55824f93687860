#include "stations/net/HttpRequestReader.h"

#include <QList>

namespace parlhora {

namespace {

using Result = HttpRequestReader::Result;
using State = HttpRequestReader::State;

Result failed(int status) {
  Result r;
  r.state = State::Failed;
  r.status = status;
  return r;
}

bool digitsOnly(const QByteArray& text) {
  if (text.isEmpty() || text.size() > 9) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

}  // namespace

HttpRequestReader::Result HttpRequestReader::read(const QByteArray& received) {
  qsizetype headEnd = received.indexOf("\r\n\r\n");
  int separator = 4;
  if (headEnd < 0) {
    headEnd = received.indexOf("\n\n");
    separator = 2;
  }
  if (headEnd < 0) return received.size() > kMaxBytes ? failed(413) : Result{};
  if (headEnd + separator > kMaxBytes) return failed(413);

  const QList<QByteArray> lines = received.left(headEnd).split('\n');
  const QList<QByteArray> start = lines.first().trimmed().split(' ');
  if (start.size() != 3 || !start[2].startsWith("HTTP/1.") || start[1].isEmpty()) return failed(400);

  qsizetype length = 0;
  for (qsizetype i = 1; i < lines.size(); ++i) {
    const QByteArray line = lines[i].trimmed();
    const qsizetype colon = line.indexOf(':');
    if (colon <= 0) return failed(400);
    const QByteArray name = line.left(colon).trimmed().toLower();
    const QByteArray value = line.mid(colon + 1).trimmed();
    if (name == "transfer-encoding") return failed(411);
    if (name == "content-length") {
      if (!digitsOnly(value)) return failed(400);
      length = value.toLongLong();
      if (length > kMaxBytes) return failed(413);
    }
  }
  const qsizetype bodyStart = headEnd + separator;
  if (bodyStart + length > kMaxBytes) return failed(413);
  if (received.size() < bodyStart + length) return Result{};

  Result r;
  r.state = State::Complete;
  r.request.method = start[0];
  const QByteArray target = start[1];
  const qsizetype q = target.indexOf('?');
  r.request.path = q < 0 ? target : target.left(q);
  r.request.query = q < 0 ? QByteArray() : target.mid(q + 1);
  r.request.body = received.mid(bodyStart, length);
  return r;
}

}  // namespace parlhora
