// Arbitrary bytes as a downloaded packet page: the packet line cut out of
// it and its weather string never crash, and every decoded field stays in
// the range its digits allow.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "internet/AprsPage.h"
#include "internet/AprsReadings.h"
#include "internet/AprsReportDate.h"
#include "internet/AprsWeather.h"
#include "spoken_check.h"
#include "internet/MetarPage.h"

using namespace parlhora;

namespace {

void check(int v, int low, int high) {
  if (v != AprsWeather::kMissing && (v < low || v > high)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray page(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const QStringList lines = MetarPage::lines(page);
  AprsPage::Status status = AprsPage::Ok;
  const QString packet = AprsPage::extract(lines, status);
  if (status == AprsPage::Ok && (!packet.contains(u'_') || packet.contains(u'\n'))) std::abort();
  // Both the extract and the raw last line are decoded, as a plain file is.
  for (const QString& line : {packet, lines.isEmpty() ? QString() : lines.last()}) {
    const AprsWeather w = AprsWeather::parse(line);
    check(w.direction, 0, 999);
    check(w.speed, 0, 999);
    check(w.gust, 0, 999);
    check(w.temperature, -99, 999);
    check(w.humidity, 1, 100);
    check(w.pressure, 0, 99999);
    static const UnitFactors units;
    WeatherSnapshot snap;
    Captions captions;
    AprsReadings::apply(w, {units, 0, RawWindUnit::Mph, true, true}, snap, captions);
    (void)AprsReadings::plainLine(w, snap, units);
    fuzzcheck::speaksOnlyPieces(snap, WeatherSource::APRS, units);
  }
  (void)AprsReportDate::read(lines.mid(qMax<qsizetype>(0, lines.size() - 2)), true,
                             QDateTime::currentDateTime());
  return 0;
}
