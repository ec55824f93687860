#include "stations/StationLink.h"

#include "platform/Clock.h"
#include "platform/StationPort.h"

namespace parlhora {
namespace {

using namespace station;

// Sets and clears the one-call-at-a-time flag on every way out.
class CallGuard {
 public:
  explicit CallGuard(bool& flag) : flag_(flag), entered_(!flag) { flag_ = true; }
  ~CallGuard() {
    if (entered_) flag_ = false;
  }
  bool entered() const { return entered_; }

 private:
  bool& flag_;
  bool entered_;
};

std::int16_t signed16(const QByteArray& bytes) {
  return static_cast<std::int16_t>(static_cast<std::uint8_t>(bytes[0]) | static_cast<std::uint8_t>(bytes[1])
                                                                             << 8);
}

}  // namespace

StationLink::StationLink(StationPort& port, Clock& clock) : port_(port), clock_(clock) {}

bool StationLink::openCommPort(const QString& device, int baud) {
  closeCommPort();
  const QString reason = port_.open(device, baud);
  if (!reason.isEmpty()) return fail(reason);
  device_ = device;
  baud_ = baud;
  lastError_.clear();
  return true;
}

void StationLink::closeCommPort() {
  port_.close();
  device_.clear();
  calibration_.reset();
}

bool StationLink::fail(const QString& reason) {
  lastError_ = reason;
  return false;
}

bool StationLink::portReady() {
  if (device_.isEmpty()) return fail(QStringLiteral("kein Port"));
  if (port_.isOpen()) return true;
  // The adapter or the station came back under the same name.
  calibration_.reset();
  const QString reason = port_.open(device_, baud_);
  return reason.isEmpty() || fail(reason);
}

std::optional<char> StationLink::receiveByte(std::int64_t deadline) {
  QByteArray one;
  if (!receive(one, 1, deadline)) return std::nullopt;
  return one[0];
}

bool StationLink::receive(QByteArray& into, int size, std::int64_t deadline) {
  while (into.size() < size) {
    if (clock_.monotonicMs() >= deadline) return fail(QStringLiteral("keine Antwort"));
    // A short wait on the line itself as well as on the clock: on a virtual
    // clock (a dry run) the deadline would otherwise pass before a real
    // station at 2400 baud could answer.
    const auto chunk = port_.read(static_cast<int>(size - into.size()), kLineWaitMs);
    if (!chunk) return fail(QStringLiteral("Port verloren"));
    into += *chunk;
    if (chunk->isEmpty()) clock_.waitMs(kPollMs);
  }
  return true;
}

bool StationLink::sendAndAwaitAck(const QByteArray& command, std::int64_t deadline) {
  if (!port_.write(command)) return fail(QStringLiteral("Senden misslungen"));
  // Whatever comes before the ACK is the rest of an earlier, abandoned
  // answer; more than that is a line full of noise.
  for (int skipped = 0; skipped <= kMaxSkipped; ++skipped) {
    const auto byte = receiveByte(deadline);
    if (!byte) return false;
    if (*byte == kAck) return true;
    if (*byte == kNak) return fail(QStringLiteral("Befehl abgelehnt"));
  }
  return fail(QStringLiteral("Antwort unlesbar"));
}

void StationLink::resync() {
  // Let the rest of a broken answer arrive, then drop it.
  clock_.waitMs(5 * kPollMs);
  port_.discardInput();
}

std::optional<SensorImage> StationLink::loop() {
  const std::int64_t deadline = clock_.monotonicMs() + kCallTimeoutMs;
  for (int attempt = 0; attempt < kAttempts && clock_.monotonicMs() < deadline; ++attempt) {
    if (!portReady()) return std::nullopt;
    // A late answer to an abandoned call must not pass for this one's.
    attempt > 0 ? resync() : port_.discardInput();
    // A port that went away is opened again by the next attempt.
    if (!sendAndAwaitAck(loopCommand(1), deadline)) continue;
    std::optional<char> first;
    for (int skipped = 0; skipped <= kMaxSkipped; ++skipped)
      if (!(first = receiveByte(deadline)) || *first == kStartOfBlock) break;
    if (!first || *first != kStartOfBlock) {
      if (first) fail(QStringLiteral("Antwort unlesbar"));
      continue;
    }
    QByteArray packet(1, kStartOfBlock);
    if (!receive(packet, kPacketSize, deadline)) continue;
    if (auto image = SensorImage::fromPacket(packet)) return image;
    fail(QStringLiteral("Prüfsumme falsch"));
  }
  return std::nullopt;
}

std::optional<QByteArray> StationLink::readMemory(const MemoryCell& cell) {
  const std::int64_t deadline = clock_.monotonicMs() + kCallTimeoutMs;
  for (int attempt = 0; attempt < kAttempts && clock_.monotonicMs() < deadline; ++attempt) {
    if (!portReady()) return std::nullopt;
    // A late answer to an abandoned call must not pass for this one's.
    attempt > 0 ? resync() : port_.discardInput();
    if (!sendAndAwaitAck(readCommand(cell), deadline)) continue;
    QByteArray bytes;
    if (receive(bytes, (cell.nibbles + 1) / 2, deadline)) return bytes;
  }
  return std::nullopt;
}

bool StationLink::ensureCalibration() {
  if (calibration_) return true;
  const auto inside = readMemory(kInsideTempCal);
  if (!inside) return false;
  const auto outside = readMemory(kOutsideTempCal);
  if (!outside) return false;
  const auto bar = readMemory(kBarometerCal);
  if (!bar) return false;
  calibration_ = Calibration{signed16(*inside), signed16(*outside), signed16(*bar)};
  return true;
}

StationAnswer<double> StationLink::insideTemp() {
  const CallGuard guard(inCall_);
  if (!guard.entered() || !ensureCalibration()) return {};
  const auto image = loop();
  if (!image) return {};
  if (image->insideTemp == kNoTemperature) return {true, std::nullopt};
  return {true, (image->insideTemp + calibration_->insideTenths) / 10.0};
}

StationAnswer<double> StationLink::outsideTemp() {
  const CallGuard guard(inCall_);
  if (!guard.entered() || !ensureCalibration()) return {};
  const auto image = loop();
  if (!image) return {};
  if (image->outsideTemp == kNoTemperature) return {true, std::nullopt};
  return {true, (image->outsideTemp + calibration_->outsideTenths) / 10.0};
}

StationAnswer<double> StationLink::barometer() {
  const CallGuard guard(inCall_);
  if (!guard.entered() || !ensureCalibration()) return {};
  const auto image = loop();
  if (!image) return {};
  if (image->barometer == kNoBarometer || image->barometer == 0) return {true, std::nullopt};
  return {true, (image->barometer - calibration_->barometerThousandths) / 1000.0};
}

StationAnswer<int> StationLink::barometerTrend() {
  const CallGuard guard(inCall_);
  if (!guard.entered()) return {};
  const auto bytes = readMemory(kBarometerTrend);
  if (!bytes) return {};
  const int trend = static_cast<std::uint8_t>((*bytes)[0]);
  if (trend > 2) return {true, std::nullopt};
  return {true, trend};
}

StationAnswer<double> StationLink::windSpeed() {
  const CallGuard guard(inCall_);
  if (!guard.entered()) return {};
  const auto image = loop();
  if (!image) return {};
  if (image->windSpeed == kNoWindSpeed) return {true, std::nullopt};
  return {true, static_cast<double>(image->windSpeed)};
}

StationAnswer<int> StationLink::windDirection() {
  const CallGuard guard(inCall_);
  if (!guard.entered()) return {};
  const auto image = loop();
  if (!image) return {};
  if (image->windDirection == kNoDirection || image->windDirection > 360) return {true, std::nullopt};
  return {true, static_cast<int>(image->windDirection)};
}

}  // namespace parlhora
