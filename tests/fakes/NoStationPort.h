#pragma once

#include "platform/StationPort.h"

namespace parlhora {

/// A station port that never opens: cores in tests that do not read a
/// weather station.
class NoStationPort final : public StationPort {
 public:
  QString open(const QString&, int) override { return QStringLiteral("no station in this test"); }
  bool isOpen() const override { return false; }
  bool write(const QByteArray&) override { return false; }
  std::optional<QByteArray> read(int, int) override { return std::nullopt; }
  void discardInput() override {}
  void close() override {}
};

}  // namespace parlhora
