#include "stations/net/NetReading.h"

#include <cmath>
#include <limits>

#include "stations/ReadingWriter.h"
#include "stations/StationTime.h"
#include "weather/ValidityLimits.h"

namespace parlhora {

namespace {

// A gateway's clock may run a little ahead; more than that is a wrong clock.
constexpr double kAheadDays = 10.0 / 1440;

QString dashes(const QString& head) { return head + QStringLiteral("--"); }

}  // namespace

double NetReading::dataTime(const NetUpload& upload, double arrival) {
  if (!upload.dataTime.isValid()) return arrival;
  const double t = StationTime::fromDateTime(upload.dataTime);
  return StationTime::plausible(t) && t <= arrival + kAheadDays ? t : arrival;
}

void NetReading::evaluate(const NetUpload& up, double arrival, const UploadHistory& history,
                          const StationParams& p, StationReading& reading) {
  const UnitFactors& u = p.units;
  ReadingWriter out(reading, u);
  WeatherSnapshot& s = out.snapshot();
  Captions& c = reading.captions;
  const QString temp = QStringLiteral("(°") + u.UnitTempText + QStringLiteral(") = ");
  const QString wind = QStringLiteral(" (") + u.UnitVentText + QStringLiteral(") = ");
  ReadingWriter::pressureLabels(c, u);
  out.dataTime(dataTime(up, arrival));
  s.RecordInterval = 0;
  s.WeatherFlags = 0;

  bool outsideGood = false;
  if (up.tempOut) {
    outsideGood = out.tempExt(*up.tempOut);
  } else {
    s.TempExt = -200;
    c.set(QStringLiteral("CheckBoxText"), dashes(QStringLiteral("Aussen-T ") + temp));
  }
  if (up.tempIn) {
    out.tempInt(*up.tempIn);
  } else {
    s.TempInt = -200;
    c.set(QStringLiteral("CheckBoxTint"), dashes(QStringLiteral("Innen-T ") + temp));
  }

  if (up.pressure && out.pressure(*up.pressure, p.pressureTrim)) {
    const auto change = history.pressureChange(arrival, *up.pressure);
    if (change) {
      out.tendency(u.pressure(*change), p.tendThreshold, QStringLiteral("steigend"));
    } else {
      s.PreTend = std::uint8_t(-1);
      c.set(QStringLiteral("CheckBoxTend"), QStringLiteral("Trend : --"));
    }
  } else {
    if (!up.pressure) {
      s.PresAtm = u.pressure(900);
      c.set(QStringLiteral("CheckBoxPatm"),
            dashes(QStringLiteral("Luftdruck (") + u.UnitPresText + QStringLiteral(") = ")));
    }
    s.PreTend = std::uint8_t(-1);
    c.set(QStringLiteral("CheckBoxTend"), QStringLiteral("Trend : --"));
  }

  bool windGood = false;
  if (up.wind) {
    windGood = out.wind(*up.wind);
  } else {
    s.VitVent = -1;
    c.set(QStringLiteral("CheckBoxVent"), dashes(QStringLiteral("Wind") + wind));
  }
  if (up.gust) {
    s.VitRafa = u.wind(*up.gust);
    out.gustCaption(!ValidityLimits::wind(s.VitRafa, u));
  } else {
    s.VitRafa = 0;
    c.set(QStringLiteral("CheckBoxRafa"), dashes(QStringLiteral("Böen") + wind));
  }
  if (up.direction)
    out.direction(*up.direction);
  else
    out.directionMissing();

  if (up.humidityIn) {
    out.humidityIn(*up.humidityIn);
  } else {
    s.HumInt = -1;
    c.set(QStringLiteral("LabelHumInt"), QStringLiteral("Innenfeuchte (%) = --"));
  }
  if (up.humidityOut) {
    out.humidityOut(*up.humidityOut);
  } else {
    s.HumiExt = -1;
    c.set(QStringLiteral("CheckBoxHumiExt"), QStringLiteral("Feuchte (%) = --"));
  }

  std::optional<double> rain;
  if (up.rainTotal) rain = history.rain24(arrival, *up.rainTotal, up.rainCounter);
  out.rain(rain.value_or(std::numeric_limits<double>::quiet_NaN()));

  out.felt(!up.gust || s.VitRafa < u.wind(5) || !windGood || !outsideGood);
  s.TRos = -200;
  out.dewPoint(!outsideGood || !up.humidityOut);
}

}  // namespace parlhora
