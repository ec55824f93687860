// Arbitrary bytes from the station's line: every call of the link must end
// (answered or not) without crashing, and a reading it gives must be one
// the station could have sent.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/StationPort.h"
#include "platform/VirtualClock.h"
#include "stations/StationLink.h"

namespace {

// Hands out the fuzz input in small pieces, whatever was asked.
class ScriptedPort : public parlhora::StationPort {
 public:
  explicit ScriptedPort(QByteArray line) : line_(std::move(line)) {}
  QString open(const QString&, int) override {
    open_ = true;
    return {};
  }
  bool isOpen() const override { return open_; }
  bool write(const QByteArray&) override { return open_; }
  std::optional<QByteArray> read(int max, int) override {
    if (!open_) return std::nullopt;
    const QByteArray out = line_.left(std::min(max, 7));
    line_.remove(0, out.size());
    return out;
  }
  void discardInput() override {}
  void close() override { open_ = false; }

 private:
  QByteArray line_;
  bool open_ = false;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  parlhora::VirtualClock clock(QDateTime(QDate(2026, 1, 1), QTime(0, 0)));
  ScriptedPort port(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  parlhora::StationLink link(port, clock);
  link.openCommPort(QStringLiteral("/dev/null"), 2400);
  const auto in = link.insideTemp();
  const auto bar = link.barometer();
  const auto trend = link.barometerTrend();
  const auto dir = link.windDirection();
  // Raw counts and calibration are 16-bit: nothing larger can come out.
  if (in.value && !(std::fabs(*in.value) < 6600)) std::abort();
  if (bar.value && !(std::fabs(*bar.value) < 132)) std::abort();
  if (trend.value && (*trend.value < 0 || *trend.value > 2)) std::abort();
  if (dir.value && (*dir.value < 0 || *dir.value > 360)) std::abort();
  return 0;
}
