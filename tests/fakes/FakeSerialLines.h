#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>

#include "platform/SerialLines.h"

namespace parlhora {

/// Scriptable serial lines: set the input lines, make opens fail, pull the
/// port out; every call is recorded in order ("open /dev/ttyS0", "set DTR
/// RTS", "clear DTR RTS", "read", "close").
class FakeSerialLines final : public SerialLines {
 public:
  QStringList ports;                  // what listPorts() returns
  QMap<QString, QString> openErrors;  // path -> reason open() gives
  bool cts = false;
  bool dsr = false;
  bool dcd = false;
  /// The adapter is pulled: line calls fail, reads give all off, opens fail.
  bool removed = false;
  /// Not empty: setLines fails with this cause (a pty's ENOTTY, say).
  QString refuseLines;
  QStringList calls;
  /// Told of every call as it is recorded, to interleave with other fakes.
  std::function<void(const QString&)> onCall;

  bool dtr() const { return dtr_; }
  bool rts() const { return rts_; }
  QString openPath() const { return path_; }

  QStringList listPorts() const override { return ports; }
  QString open(const QString& path) override;
  bool isOpen() const override { return !path_.isEmpty(); }
  bool setLines(unsigned bits) override;
  bool clearLines(unsigned bits) override;
  ModemLines readLines() override;
  void close() override;
  /// An open refused with a "belegt ..." reason counts as busy.
  bool lastOpenBusy() const override { return lastOpenBusy_; }
  QString lastError() const override { return lastError_; }

 private:
  void record(const QString& call);

  QString path_;
  bool dtr_ = false;
  bool rts_ = false;
  bool lastOpenBusy_ = false;
  QString lastError_;
};

}  // namespace parlhora
