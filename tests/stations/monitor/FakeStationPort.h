#pragma once

#include <QSet>

#include "StationResponder.h"
#include "platform/StationPort.h"

namespace parlhora {

/// A station in process: the simulator's responder behind the port, so
/// the source's logic runs on the virtual clock. The real port and the
/// simulator on a pty are tested apart.
class FakeStationPort : public StationPort {
 public:
  QString open(const QString& path, int baud) override {
    if (missing.contains(path)) return QStringLiteral("open: No such file or directory");
    path_ = path;
    baud_ = baud;
    return {};
  }
  bool isOpen() const override { return !path_.isEmpty(); }
  bool write(const QByteArray& bytes) override {
    if (!isOpen()) return false;
    written += bytes;
    const QByteArray reply = station.feed(bytes);
    input_ += reply;
    return true;
  }
  std::optional<QByteArray> read(int max, int) override {
    if (!isOpen()) return std::nullopt;
    if (babble) return QByteArray(max, '\xAA');
    const QByteArray out = input_.left(max);
    input_.remove(0, out.size());
    return out;
  }
  void discardInput() override { input_.clear(); }
  void close() override { path_.clear(); }

  QString path() const { return path_; }
  int baud() const { return baud_; }

  sim::StationResponder station;
  /// Noise on the line, as fast as it is read.
  bool babble = false;
  QSet<QString> missing;
  QByteArray written;

 private:
  QString path_;
  int baud_ = 0;
  QByteArray input_;
};

}  // namespace parlhora
