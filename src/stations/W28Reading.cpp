#include "stations/W28Reading.h"

#include "stations/ReadingWriter.h"
#include "weather/HalfEven.h"

namespace parlhora {

void W28Reading::evaluate(const HistoryWindow& w, const StationParams& p, StationReading& reading) {
  const UnitFactors& u = p.units;
  ReadingWriter out(reading, u);
  WeatherSnapshot& s = out.snapshot();
  const HistoryRecord& last = w.last;
  const bool absolute = p.absolutePressure;

  out.dataTime(last.time);
  s.RecordInterval = w.recordInterval;
  out.tempInt(last.tempIn);
  const bool outsideGood = out.tempExt(last.tempOut);
  if (out.pressure(last.pressure(absolute), p.pressureTrim)) {
    std::optional<double> change;
    if (w.hourBack)
      change = s.PresAtm - u.pressure(w.hourBack->pressure(absolute)) - u.pressureTrim(p.pressureTrim);
    out.tendency(change, p.tendThreshold, QStringLiteral("steigen"));
  } else {
    out.tendencyMissing();
  }

  const bool windGood = out.wind(3.6 * last.wind);
  s.VitRafa = u.wind(3.6 * last.gust);
  out.gustCaption(!windGood);

  out.direction(HalfEven::round((last.direction & 31) * 22.5));
  out.humidityIn(last.humIn);
  out.humidityOut(last.humOut);
  out.rain(w.rainSum);
  out.felt(s.VitVent < u.wind(5) || !windGood || !outsideGood);
  out.dewPoint(!outsideGood);
}

}  // namespace parlhora
