#include "audio/WeatherComposer.h"

#include <QDateTime>
#include <cmath>

#include "audio/AnnouncementOptions.h"
#include "audio/NumberSpeech.h"
#include "platform/Clock.h"
#include "weather/SourceRegistry.h"
#include "weather/UnitFactors.h"
#include "weather/ValidityLimits.h"

namespace parlhora {

namespace {

using S = WeatherSource;

constexpr unsigned bit(S s) { return 1u << static_cast<int>(s); }
constexpr unsigned kAll =
    bit(S::MON) | bit(S::W23) | bit(S::W28) | bit(S::APRS) | bit(S::PRO2) | bit(S::METAR) | bit(S::NET);
// The network station speaks as the Pro2 does.
constexpr unsigned kStations = bit(S::MON) | bit(S::W23) | bit(S::W28) | bit(S::PRO2) | bit(S::NET);
constexpr unsigned kNotMonitor = kAll & ~bit(S::MON);
constexpr unsigned kRainSources = bit(S::W23) | bit(S::W28) | bit(S::APRS) | bit(S::PRO2) | bit(S::NET);

// A reading that is NaN or infinite cannot be taken: its item keeps the
// absent value and is passed over, instead of rounding to a spoken 0.
bool taken(double v) { return std::isfinite(v); }

int rounded(double v) { return NumberSpeech::roundHalfEven(v); }

struct Rose {
  int from;
  const char* piece;
};

constexpr Rose kRose8[] = {{0, "son_north"},   {23, "son_north_east"}, {68, "son_east"},
                           {113, "son_south_east"}, {158, "son_south"}, {203, "son_south_west"},
                           {248, "son_west"},  {293, "son_north_west"}, {338, "son_north"}};
constexpr Rose kRose16[] = {
    {0, "son_north"},          {12, "son_north_north_east"}, {34, "son_north_east"},
    {57, "son_east_north_east"}, {79, "son_east"},           {102, "son_east_south_east"},
    {124, "son_south_east"},   {147, "son_south_south_east"}, {169, "son_south"},
    {192, "son_south_south_west"}, {214, "son_south_west"},  {237, "son_west_south_west"},
    {259, "son_west"},         {282, "son_west_north_west"}, {304, "son_north_west"},
    {327, "son_north_north_west"}, {349, "son_north"}};

template <std::size_t N>
QString lookUp(const Rose (&rose)[N], int degrees) {
  QString word;
  for (const Rose& r : rose)
    if (degrees >= r.from) word = QString::fromLatin1(r.piece);
  return word;
}

}  // namespace

WeatherComposer::WeatherComposer(const SourceRegistry& sources, const WeatherSource& chosen,
                                 const UnitFactors& units, const AnnouncementOptions& options, Clock& clock)
    : sources_(sources), chosen_(chosen), units_(units), options_(options), clock_(clock) {}

double WeatherComposer::dayNumber(const QDateTime& local) {
  static const QDate epoch(1899, 12, 30);
  return epoch.daysTo(local.date()) + local.time().msecsSinceStartOfDay() / 86400000.0;
}

QString WeatherComposer::roseWord(int degrees, bool sixteen) {
  if (degrees < 0 || degrees > 360) return {};
  return sixteen ? lookUp(kRose16, degrees) : lookUp(kRose8, degrees);
}

void WeatherComposer::begin() {
  queue_.clear();
  meteoSource_ = WeatherSource::None;
  const SourceController* source = sources_.get(chosen_);
  if (chosen_ == WeatherSource::None || !source || !source->ready()) return;
  meteoSource_ = chosen_;
  if (!spoken(*source)) return;
  queue_ = compose(*source);
}

bool WeatherComposer::spoken(const SourceController& source) const {
  if (source.id() != WeatherSource::MON && !source.errorText().isEmpty()) return false;
  const int gate = options_.weatherAgeGateHours;
  if (gate >= 1 && gate <= 3 && source.hasDataTime()) {
    const double age = dayNumber(clock_.now()) - source.companions().DataTime;
    if (age > kAgeGateDays[gate]) return false;
  }
  return true;
}

std::optional<SpeechItem> WeatherComposer::nextItem() {
  if (queue_.isEmpty()) return std::nullopt;
  return queue_.takeFirst();
}

void WeatherComposer::ended() {
  if (SourceController* source = sources_.get(meteoSource_)) source->runDeferredRefresh();
}

void WeatherComposer::item(QList<SpeechItem>& out, int pauseMs, const QString& label,
                           const QStringList& pieces) const {
  out.append({pauseMs, label});
  for (const QString& piece : pieces) out.append({0, piece});
}

QList<SpeechItem> WeatherComposer::compose(const SourceController& source) const {
  QList<SpeechItem> out;
  const WeatherSnapshot& s = source.snapshot();
  const ReadingBoxes& box = source.boxes();
  const unsigned me = bit(source.id());
  const UnitFactors& u = units_;

  // 1, 2: inside and outside temperature.
  auto temperature = [&](bool ticked, double value, const char* label) {
    if (!ticked || !taken(value)) return;
    const int t = rounded(value);
    if (ValidityLimits::temperature(t, u)) item(out, kItemPauseMs, label, NumberSpeech::temperature(t));
  };
  if (me & kStations) temperature(box.tempInt, s.TempInt, "son_int_temp");
  temperature(box.tempExt, s.TempExt, "son_ext_temp");

  // 3: pressure, in hectopascal as a whole number, else as a decimal.
  if (box.presAtm && taken(s.PresAtm)) {
    const double k = u.UnitPresFactor;
    bool said = false;
    if (k == 1) {
      const int p = rounded(s.PresAtm);
      if (ValidityLimits::pressure(p, u)) {
        item(out, kItemPauseMs, "son_pressure", NumberSpeech::hectopascal(p, u.pressure(ValidityLimits::kPresHigh)));
        said = true;
      }
    }
    if (!said && ValidityLimits::pressure(s.PresAtm, u))
      item(out, kItemPauseMs, "son_pressure", NumberSpeech::inchesOfMercury(s.PresAtm));
  }

  // 4: tendency, a word of its own after the shorter pause.
  if ((me & kStations) && box.preTend && s.PreTend <= 2) {
    static const char* const words[] = {"son_steady", "son_rising", "son_falling"};
    out.append({kTendencyPauseMs, words[s.PreTend]});
  }

  // 5, 6: wind and gust. The direction needs a rounded wind of at least 1,
  // whatever the wind's own box and window say.
  const int wind = taken(s.VitVent) ? rounded(s.VitVent) : -1;
  if (box.vitVent && ValidityLimits::wind(wind, u))
    item(out, kItemPauseMs, "son_wind", NumberSpeech::speed(wind, u.UnitVentFactor));
  if (box.vitRafa && taken(s.VitRafa)) {
    const int g = rounded(s.VitRafa);
    if (ValidityLimits::gust(g, u)) item(out, kItemPauseMs, "son_gust", NumberSpeech::speed(g, u.UnitVentFactor));
  }

  // 7: direction; 999 is "variable" only where METAR reports it.
  if (box.dirVent && wind >= 1) {
    const int d = s.DirVent;
    QString word;
    if (d == 999 && source.id() == WeatherSource::METAR)
      word = QStringLiteral("son_variable");
    else
      word = roseWord(d, options_.windRose16);
    if (!word.isEmpty()) item(out, kItemPauseMs, "son_dir", {word});
  }

  // 8: felt temperature.
  if ((me & kNotMonitor) && box.tRes && taken(s.TRes)) {
    const int t = rounded(s.TRes);
    if (t >= rounded(u.temperature(ValidityLimits::kFeltLow)) && t <= rounded(u.temperature(ValidityLimits::kFeltHigh)))
      item(out, kItemPauseMs, "son_wind_chill", NumberSpeech::feltTemperature(t));
  }

  // 9: rain of 24 hours, millimetres as a whole number, else inches.
  if ((me & kRainSources) && box.pluie && taken(s.Pluie)) {
    bool said = false;
    if (u.UnitPluieFactor == 1) {
      const int r = rounded(s.Pluie);
      if (r >= 0 && r <= 198) {
        item(out, kItemPauseMs, "son_rain24", NumberSpeech::rainMillimetres(r));
        said = true;
      }
    }
    if (!said && s.Pluie >= 0 && s.Pluie < 10) item(out, kItemPauseMs, "son_rain24", NumberSpeech::rainInches(s.Pluie));
  }

  // 10: present weather (METAR): the kind, then its intensity.
  if (source.id() == WeatherSource::METAR && box.pluie && s.WeatherFlags != 0) {
    const unsigned f = s.WeatherFlags;
    QString kind;
    if (f & FlagRain) kind = "son_raining";
    else if (f & FlagSnow) kind = "son_snowing";
    else if (f & FlagHail) kind = "son_hailing";
    else if (f & FlagMist) kind = "son_mist";
    else if (f & FlagFog) kind = "son_fog";
    if (!kind.isEmpty()) {
      out.append({kItemPauseMs, kind});
      if (!(f & (FlagHail | FlagMist | FlagFog)) && (f & (FlagRain | FlagSnow))) {
        const char* intensity = (f & FlagLight) ? "son_lightly" : (f & FlagHeavy) ? "son_heavily" : "son_moderatly";
        out.append({kItemPauseMs, intensity});
      }
    }
  }

  // 11: humidity.
  if ((me & kNotMonitor) && box.humidi) {
    const int h = s.HumiExt;
    if (ValidityLimits::humidity(h)) item(out, kItemPauseMs, "son_humidity", NumberSpeech::humidity(h));
  }
  return out;
}

}  // namespace parlhora
