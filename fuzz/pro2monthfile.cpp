// Arbitrary bytes as a Vantage Pro2 month file, read from its end as the
// source does, evaluated in metric and imperial units.
#include <QBuffer>
#include <cstddef>
#include <cstdint>

#include "stationfiles_common.h"
#include "stations/Pro2MonthFile.h"
#include "stations/Pro2Reading.h"

using namespace parlhora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  const auto window = Pro2MonthFile::read(buffer);
  if (!window) return 0;
  for (const UnitFactors& units : {UnitFactors{}, fuzzcheck::imperial()}) {
    StationReading reading;
    if (Pro2Reading::evaluate(*window, QDate(2024, 2, 1), StationParams{units}, reading))
      fuzzcheck::sound(reading, WeatherSource::PRO2, units);
  }
  return 0;
}
