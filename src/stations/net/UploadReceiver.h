#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

#include "platform/ClockTimer.h"
#include "platform/StreamServer.h"
#include "stations/net/FailureLog.h"
#include "stations/net/HttpRequestReader.h"
#include "stations/net/NetUpload.h"

namespace parlhora {

/// The HTTP side of the network station: Ecowitt POSTs on the configured
/// path and Wunderground GETs on theirs are parsed and handed on, every
/// other request gets its status (404, 405, 413, ...). A port in use is
/// "Port belegt" and is tried again every minute. Failures are logged once
/// a minute per kind, never with the request's fields. Core thread only.
class UploadReceiver {
 public:
  static constexpr const char* kWundergroundPath = "/weatherstation/updateweatherstation.php";
  static constexpr int kRetryMs = 60000;

  struct Config {
    quint16 port = 8080;
    QByteArray path = "/data/report/";
    QByteArray key;  // empty = any
  };
  struct Answer {
    int status = 200;
    bool accepted = false;
    NetUpload upload;
  };
  using Accepted = std::function<void(const NetUpload& upload, const QString& peer)>;

  UploadReceiver(StreamServer& server, Clock& clock, FailureLog& log, Accepted accepted);
  UploadReceiver(const UploadReceiver&) = delete;
  UploadReceiver& operator=(const UploadReceiver&) = delete;

  /// Listens as `config` says (again, if it already did).
  void start(const Config& config);
  void stop();
  /// Listening, or waiting to try the port again.
  bool active() const { return server_.listening() || retry_.isActive(); }
  /// "Port belegt", "Fehler: Netzwerk" or empty.
  QString errorText() const { return errorText_; }
  /// The error text changed.
  std::function<void()> errorChanged = [] {};

  /// What one complete request gets, before any reply is sent.
  Answer answer(const HttpRequest& request) const;
  /// The whole HTTP response for `status`.
  static QByteArray response(int status);

 private:
  void listen();
  void received(int id, const QString& peer, const QByteArray& bytes);
  void fail(int status, const QString& peer);
  void setError(const QString& text);

  StreamServer& server_;
  Clock& clock_;
  FailureLog& log_;
  Accepted accepted_;
  Config config_;
  ClockTimer retry_;
  QString errorText_;
};

}  // namespace parlhora
