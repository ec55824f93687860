#include "stations/Pro2Reading.h"

#include <cmath>
#include <limits>

#include "stations/ReadingWriter.h"
#include "stations/StationTime.h"
#include "weather/HalfEven.h"
#include "weather/ValidityLimits.h"

namespace parlhora {

namespace {

constexpr double kInHgToHpa = 33.8582;
constexpr double kMphToKmh = 1.609344;

double celsius(std::int16_t tenthsF) { return (tenthsF * 5.0 - 1600.0) / 90.0; }
double hectopascal(double thousandthsInHg) { return thousandthsInHg / 1000.0 * kInHgToHpa; }

double rainMm(const QList<std::uint16_t>& words) {
  double mm = 0;
  for (std::uint16_t word : words) {
    const auto perClick = Pro2Record::mmPerClick(word);
    if (!perClick) return std::numeric_limits<double>::quiet_NaN();
    mm += Pro2Record::clicks(word) * *perClick;
  }
  return mm;
}

}  // namespace

int Pro2Reading::newestDay(const Pro2Window& w) {
  // The last day with records: a day without any in the middle of the
  // month (the station was off) must not date the newest record back.
  for (int d = 31; d >= 1; --d)
    if (w.dayRecords[d] > 0) return d;
  return 0;
}

bool Pro2Reading::evaluate(const Pro2Window& w, QDate month, const StationParams& p,
                           StationReading& reading) {
  const UnitFactors& u = p.units;
  const Pro2Record& r = w.newest;
  const QDate day(month.year(), month.month(), newestDay(w));
  const int hour = r.minutes / 60;
  if (!day.isValid() || r.minutes < 0 || hour > 24) return false;
  // Hour 24 is midnight of the next day.
  const QDateTime time =
      QDateTime(day, QTime(std::min(hour, 23), r.minutes % 60)).addSecs(hour == 24 ? 3600 : 0);

  ReadingWriter out(reading, u);
  WeatherSnapshot& s = out.snapshot();
  out.dataTime(StationTime::fromDateTime(time));
  s.RecordInterval = w.total >= 3 ? r.interval / 1440.0 : 0;
  const bool outsideGood = out.tempExt(celsius(r.tempOut));
  out.tempInt(celsius(r.tempIn));
  if (out.pressure(hectopascal(r.barometer), p.pressureTrim)) {
    std::optional<double> change;
    if (w.hourBackBarometer) change = u.pressure(hectopascal(r.barometer - *w.hourBackBarometer));
    out.tendency(change, p.tendThreshold, QStringLiteral("steigend"));
  } else {
    out.tendencyMissing();
  }

  const bool windGood = out.wind(r.windAverage / 10.0 * kMphToKmh);
  s.VitRafa = u.wind(r.windHigh / 10.0 * kMphToKmh);
  out.gustCaption(!ValidityLimits::wind(s.VitRafa, u));

  const std::int32_t degrees = HalfEven::round(r.directionCode * 22.5);
  if (degrees > 359)
    out.directionMissing();
  else
    out.direction(degrees);
  out.humidityIn(r.humIn / 10.0);
  out.humidityOut(r.humOut / 10.0);
  out.rain(rainMm(w.rainWords));
  out.felt(s.VitRafa < u.wind(5) || !windGood || !outsideGood);
  out.dewPoint(!outsideGood);
  return true;
}

}  // namespace parlhora
