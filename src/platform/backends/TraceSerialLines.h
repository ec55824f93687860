#pragma once

#include <functional>

#include "platform/SerialLines.h"

namespace parlhora {

/// A serial port that exists only on paper: opening any name succeeds, the
/// keying calls are reported as "key DTR", "key RTS" and "unkey" lines, the
/// input lines read off. For dry runs that must touch no hardware.
class TraceSerialLines final : public SerialLines {
 public:
  using Sink = std::function<void(const QString&)>;
  explicit TraceSerialLines(Sink sink) : sink_(std::move(sink)) {}

  QStringList listPorts() const override { return {}; }
  QString open(const QString&) override;
  bool isOpen() const override { return open_; }
  bool setLines(unsigned bits) override;
  bool clearLines(unsigned bits) override;
  ModemLines readLines() override { return {false, false, false, open_}; }
  void close() override { open_ = false; }

 private:
  Sink sink_;
  bool open_ = false;
  unsigned raised_ = 0;
};

}  // namespace parlhora
