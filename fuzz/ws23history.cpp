// Arbitrary bytes as a WS-23xx history file, read from its end as the source
// does, evaluated in metric and imperial units.
#include <QBuffer>
#include <cstddef>
#include <cstdint>

#include "stationfiles_common.h"
#include "stations/W23History.h"
#include "stations/W23Reading.h"

using namespace parlhora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  const auto window = W23History::read(buffer);
  if (!window) return 0;
  for (const UnitFactors& units : {UnitFactors{}, fuzzcheck::imperial()}) {
    StationParams params{units};
    params.absolutePressure = size % 2 == 0;
    StationReading reading;
    W23Reading::evaluate(*window, params, reading);
    fuzzcheck::sound(reading, WeatherSource::W23, units);
  }
  return 0;
}
