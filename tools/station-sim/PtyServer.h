#pragma once

#include <QString>
#include <deque>
#include <utility>

#include "ReadingScript.h"
#include "StationResponder.h"

namespace parlhora::sim {

/// The simulator's pseudo-terminal: answers on the master side what the
/// program sends to the slave device, late or not at all if told so.
class PtyServer {
 public:
  struct Options {
    QString readingsFile;  // empty = default readings
    QString linkPath;      // a symlink to the slave device, replaced if present
    bool silent = false;
    int slowMs = 0;
    int corruptEvery = 0;
  };

  explicit PtyServer(Options options);
  ~PtyServer();
  PtyServer(const PtyServer&) = delete;
  PtyServer& operator=(const PtyServer&) = delete;

  /// Opens the pty; empty on success, else why not.
  QString start();
  /// The device a program should open (the symlink if one was asked for).
  QString device() const;
  /// Serves until `stop` becomes nonzero; reloads the readings when
  /// `reload` is set (and clears it). Returns the exit status.
  int run(volatile int& stop, volatile int& reload);

 private:
  QString loadReadings();
  void answer(const QByteArray& bytes, long long nowMs);

  Options options_;
  ReadingScript script_;
  StationResponder responder_;
  int master_ = -1;
  int slave_ = -1;
  QString slaveName_;
  long long startMs_ = 0;
  std::deque<std::pair<long long, QByteArray>> queue_;
};

}  // namespace parlhora::sim
