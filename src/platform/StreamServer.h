#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace parlhora {

/// A listening TCP socket on every address, one short request per
/// connection: the bytes a connection sent so far are handed over (at most
/// `maxBytes` + 1, so an oversized request shows), the core answers with
/// reply(), and the connection closes. Connections beyond `maxConnections`
/// and requests slower than `timeoutMs` are closed by the server itself and
/// reported through `dropped`. Core thread only; handlers run on it.
class StreamServer {
 public:
  enum class Listen { Ok, PortInUse, Failed };

  struct Limits {
    int maxConnections = 8;
    int maxBytes = 16 * 1024;
    int timeoutMs = 2000;
  };
  struct Handlers {
    /// `id` names the connection in reply(); `peer` is its address.
    std::function<void(int id, const QString& peer, const QByteArray& received)> received;
    /// Why a connection was closed without an answer from the core.
    std::function<void(const QString& why, const QString& peer)> dropped;
  };

  virtual ~StreamServer() = default;

  /// Port 0 takes any free port (tests); port() tells which.
  virtual Listen listen(quint16 port, Limits limits, Handlers handlers) = 0;
  virtual bool listening() const = 0;
  virtual quint16 port() const = 0;
  /// Stops listening and closes every connection.
  virtual void close() = 0;
  /// Sends `bytes` on connection `id`, then closes it; unknown ids are ignored.
  virtual void reply(int id, const QByteArray& bytes) = 0;
};

}  // namespace parlhora
