#pragma once

#include <QByteArray>

namespace parlhora {

/// One HTTP/1.x request as a station sends it.
struct HttpRequest {
  QByteArray method;  // "GET", "POST", ...
  QByteArray path;    // without the query
  QByteArray query;   // after '?', still percent-encoded
  QByteArray body;    // as many bytes as Content-Length says
};

/// Frames a request from the bytes a connection delivered so far. A
/// request larger than kMaxBytes in all, a body announced larger, or
/// chunked bodies fail with their status code; nothing is kept between calls.
class HttpRequestReader {
 public:
  static constexpr int kMaxBytes = 16 * 1024;

  enum class State { NeedMore, Complete, Failed };
  struct Result {
    State state = State::NeedMore;
    HttpRequest request;
    int status = 0;  // when Failed: 400, 411 or 413
  };

  static Result read(const QByteArray& received);
};

}  // namespace parlhora
