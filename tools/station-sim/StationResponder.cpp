#include "StationResponder.h"

#include "stations/StationProtocol.h"

namespace parlhora::sim {
namespace {

using namespace station;

constexpr int kMaxPackets = 100;

void put16(QByteArray& out, int v) {
  out.append(static_cast<char>(v & 0xFF)).append(static_cast<char>((v >> 8) & 0xFF));
}

bool prefixOf(const QByteArray& part, const char* word) { return QByteArray(word).startsWith(part); }

}  // namespace

QByteArray StationResponder::loop(int count) {
  QByteArray out(1, kAck);
  for (int i = 0; i < count; ++i) {
    QByteArray packet = state_.image.toPacket();
    ++packets_;
    if (corruptEvery_ > 0 && packets_ % corruptEvery_ == 0)
      packet[kPacketSize - 1] = static_cast<char>(packet[kPacketSize - 1] ^ 0x5A);
    out += packet;
  }
  return out;
}

QByteArray StationResponder::memory(std::uint8_t bankAndNibbles, std::uint8_t address) const {
  const auto bank = static_cast<Bank>(bankAndNibbles & 0x0F);
  const int bytes = ((bankAndNibbles >> 4) + 1) / 2;
  QByteArray value;
  const auto is = [&](const MemoryCell& c) { return c.bank == bank && c.address == address; };
  if (is(kInsideTempCal))
    put16(value, state_.calInside);
  else if (is(kOutsideTempCal))
    put16(value, state_.calOutside);
  else if (is(kBarometerCal))
    put16(value, state_.calBarometer);
  else if (is(kBarometerTrend))
    value.append(static_cast<char>(state_.trend));
  value = value.leftJustified(bytes, '\0', true);
  return QByteArray(1, kAck) + value;
}

QByteArray StationResponder::feed(const QByteArray& bytes) {
  pending_ += bytes;
  QByteArray out;
  while (!pending_.isEmpty()) {
    if (pending_.startsWith("LOOP")) {
      if (pending_.size() < 7) break;
      if (pending_[6] != kCr) {
        out += kNak;
        pending_.remove(0, 1);
        continue;
      }
      const int raw = static_cast<std::uint8_t>(pending_[4]) | static_cast<std::uint8_t>(pending_[5]) << 8;
      pending_.remove(0, 7);
      out += loop(std::min(65536 - raw, kMaxPackets));
    } else if (pending_.startsWith("WRD")) {
      if (pending_.size() < 6) break;
      if (pending_[5] != kCr) {
        out += kNak;
        pending_.remove(0, 1);
        continue;
      }
      out += memory(static_cast<std::uint8_t>(pending_[3]), static_cast<std::uint8_t>(pending_[4]));
      pending_.remove(0, 6);
    } else if (prefixOf(pending_, "LOOP") || prefixOf(pending_, "WRD")) {
      break;
    } else {
      // Not a command we know: drop it up to its CR and refuse it there.
      if (pending_[0] == kCr) out += kNak;
      pending_.remove(0, 1);
    }
  }
  return out;
}

}  // namespace parlhora::sim
