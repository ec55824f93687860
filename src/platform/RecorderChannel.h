#pragma once

#include <QByteArray>
#include <QString>

namespace parlhora {

/// The way to the wave recorder program: is it there, one command with its
/// numeric reply, and launching it. Core thread only; every call returns
/// within the channel's time-out (about a second), never waits for good.
class RecorderChannel {
 public:
  virtual ~RecorderChannel() = default;

  /// True when a recorder is running and accepts commands.
  virtual bool find() = 0;
  /// Sends `command` and returns the recorder's reply; 0 when it cannot be
  /// reached or does not answer in time.
  virtual int send(const QByteArray& command) = 0;
  /// Starts the program at `path` detached (no wait for it to come up);
  /// false if it could not be started.
  virtual bool launch(const QString& path) = 0;
};

}  // namespace parlhora
