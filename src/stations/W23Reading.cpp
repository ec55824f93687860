#include "stations/W23Reading.h"

#include <cmath>
#include <limits>

#include "stations/ReadingWriter.h"
#include "weather/HalfEven.h"
#include "weather/ValidityLimits.h"

namespace parlhora {

void W23Reading::evaluate(const HistoryWindow& w, const StationParams& p, StationReading& reading) {
  const UnitFactors& u = p.units;
  ReadingWriter out(reading, u);
  WeatherSnapshot& s = out.snapshot();
  const HistoryRecord& last = w.last;

  out.dataTime(last.time);
  s.RecordInterval = w.recordInterval;
  out.tempInt(last.tempIn);
  const bool outsideGood = out.tempExt(last.tempOut);
  if (out.pressure(last.pressureAbs, p.pressureTrim)) {
    std::optional<double> change;
    if (w.hourBack) change = s.PresAtm - u.pressure(w.hourBack->pressureAbs) - u.pressureTrim(p.pressureTrim);
    out.tendency(change, p.tendThreshold, QStringLiteral("steigend"));
  } else {
    out.tendencyMissing();
  }

  const bool windGood = out.wind(3.6 * last.wind);
  s.VitRafa = windGood ? s.VitVent : 0;
  for (const HistoryRecord& r : w.gustRecords) {
    const double v = u.wind(3.6 * r.wind);
    if (ValidityLimits::wind(v, u) && v > s.VitRafa) s.VitRafa = v;
  }
  out.gustCaption(false);

  out.direction(HalfEven::round((last.direction & 31) * 22.5));
  out.humidityIn(last.humIn);
  out.humidityOut(last.humOut);
  out.rain(w.dayBack ? last.rain - w.dayBack->rain : std::numeric_limits<double>::quiet_NaN());
  out.felt(s.VitVent < u.wind(5) || !windGood || !outsideGood);
  out.dewPoint(!outsideGood);
}

}  // namespace parlhora
