// Arbitrary bytes as a request to the network station: the framing and the
// upload parser never crash, and every reading taken lies in the range a
// station can measure.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "stations/net/HttpRequestReader.h"
#include "stations/net/NetReading.h"
#include "stations/net/UploadParser.h"

using namespace parlhora;

namespace {

void check(const std::optional<double>& v, double low, double high) {
  if (v && (!std::isfinite(*v) || *v < low || *v > high)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const auto framed = HttpRequestReader::read(bytes);
  if (framed.state == HttpRequestReader::State::Complete &&
      framed.request.body.size() > HttpRequestReader::kMaxBytes)
    std::abort();
  for (const QByteArray& form : {bytes, framed.request.query, framed.request.body}) {
    const NetUpload u = UploadParser::parse(form);
    check(u.tempOut, -96, 72);
    check(u.tempIn, -96, 72);
    check(u.humidityOut, 0, 100);
    check(u.humidityIn, 0, 100);
    check(u.pressure, 500, 1200);
    check(u.wind, 0, 500);
    check(u.gust, 0, 500);
    check(u.rainTotal, 0, 254000);
    if (u.direction && (*u.direction < 0 || *u.direction >= 360)) std::abort();
    static const UnitFactors units;
    StationReading reading;
    NetReading::evaluate(u, 45000, UploadHistory{}, StationParams{units}, reading);
  }
  return 0;
}
