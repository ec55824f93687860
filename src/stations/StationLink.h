#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

#include "stations/SensorImage.h"
#include "stations/StationProtocol.h"

namespace parlhora {

class Clock;
class StationPort;

/// What one station call gave: `answered` false when the station did not
/// answer in time (or the port is gone); a missing sensor answers with no
/// value.
template <class T>
struct StationAnswer {
  bool answered = false;
  std::optional<T> value;
};

/// The Weather Monitor II as the source sees it: nine calls (open, close,
/// version and six readings) in the station's own units, on our
/// implementation of its serial protocol. Every call gives up after kCallTimeoutMs and waits
/// through the clock, so events keep flowing meanwhile (they may re-enter
/// the caller, not this object: a call made during another fails). A bad
/// packet is dropped and asked for again while time is left. A device
/// that went away is opened again at the next call. Core thread only;
/// port and clock must outlive the link.
class StationLink {
 public:
  static constexpr int kCallTimeoutMs = 2000;
  static constexpr int kAttempts = 3;
  static constexpr int kPollMs = 10;
  static constexpr int kLineWaitMs = 5;  // real time on the port per poll
  /// Bytes skipped looking for an ACK or a packet start before giving up.
  static constexpr int kMaxSkipped = 2 * station::kPacketSize;
  /// GetDllVersion of this implementation.
  static constexpr double kVersion = 1.0;

  StationLink(StationPort& port, Clock& clock);
  StationLink(const StationLink&) = delete;
  StationLink& operator=(const StationLink&) = delete;

  /// OpenCommPort: true when `device` opened at `baud`; else lastError().
  bool openCommPort(const QString& device, int baud);
  /// CloseCommPort; the device is not opened again until the next open.
  void closeCommPort();
  bool isOpen() const { return !device_.isEmpty(); }
  double dllVersion() const { return kVersion; }

  StationAnswer<double> insideTemp();   // °F
  StationAnswer<double> outsideTemp();  // °F
  StationAnswer<double> barometer();    // inHg
  StationAnswer<int> barometerTrend();  // 0 steady, 1 rising, 2 falling
  StationAnswer<double> windSpeed();    // mph
  StationAnswer<int> windDirection();   // whole degrees

  /// Why the last open or call failed, for the log.
  QString lastError() const { return lastError_; }

 private:
  struct Calibration {
    int insideTenths = 0;
    int outsideTenths = 0;
    int barometerThousandths = 0;
  };

  /// One sensor image, calibrated readings not applied.
  std::optional<SensorImage> loop();
  std::optional<QByteArray> readMemory(const station::MemoryCell& cell);
  bool ensureCalibration();
  bool portReady();
  bool sendAndAwaitAck(const QByteArray& command, std::int64_t deadline);
  /// Appends bytes to `into` until it holds `size`; false at the deadline.
  bool receive(QByteArray& into, int size, std::int64_t deadline);
  std::optional<char> receiveByte(std::int64_t deadline);
  void resync();
  bool fail(const QString& reason);

  StationPort& port_;
  Clock& clock_;
  QString device_;
  int baud_ = station::kBaud;
  std::optional<Calibration> calibration_;
  bool inCall_ = false;
  QString lastError_;
};

}  // namespace parlhora
