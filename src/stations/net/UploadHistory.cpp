#include "stations/net/UploadHistory.h"

#include <QJsonArray>
#include <cmath>

namespace parlhora {

namespace {

constexpr double kHour = 1.0 / 24;
constexpr double kKeptDays = 25 * kHour;
// A counter that drops by less is the station rounding, not a reset.
constexpr double kRainJitterMm = 0.05;
// Five-minute samples over 25 hours are 300; a file with more was not ours.
constexpr qsizetype kMaxSamples = 1000;

QJsonValue optional(const std::optional<double>& v) { return v ? QJsonValue(*v) : QJsonValue(); }

std::optional<double> finite(const QJsonValue& v) {
  if (!v.isDouble() || !std::isfinite(v.toDouble())) return std::nullopt;
  return v.toDouble();
}

}  // namespace

void UploadHistory::add(double now, std::optional<double> pressureHpa, std::optional<double> rainMm,
                        int counter) {
  // The clock was set back: samples from its future would never be reached.
  while (!samples_.isEmpty() && samples_.last().time > now) samples_.removeLast();
  if (rainMm) {
    if (lastRain_ && (counter != lastCounter_ || *rainMm < *lastRain_ - kRainJitterMm)) resetTime_ = now;
    lastRain_ = rainMm;
    lastCounter_ = counter;
  }
  if (samples_.isEmpty() || now - samples_.last().time >= kSpacingDays)
    samples_.append({now, pressureHpa, rainMm, counter});
  while (!samples_.isEmpty() && samples_.first().time < now - kKeptDays) samples_.removeFirst();
}

const UploadHistory::Sample* UploadHistory::newestAtOrBefore(double time, double notBefore) const {
  for (auto it = samples_.crbegin(); it != samples_.crend(); ++it)
    if (it->time <= time) return it->time >= notBefore ? &*it : nullptr;
  return nullptr;
}

std::optional<double> UploadHistory::pressureChange(double now, double pressureHpa) const {
  const Sample* s = newestAtOrBefore(now - kHour, now - 1.25 * kHour);
  if (!s || !s->pressure) return std::nullopt;
  return pressureHpa - *s->pressure;
}

std::optional<double> UploadHistory::rain24(double now, double totalMm, int counter) const {
  const Sample* s = newestAtOrBefore(now - 24 * kHour, now - kKeptDays);
  if (!s || !s->rain || s->counter != counter || resetTime_ > s->time) return std::nullopt;
  const double mm = totalMm - *s->rain;
  if (mm < 0) return std::nullopt;
  return mm;
}

QJsonObject UploadHistory::toJson() const {
  QJsonArray list;
  for (const Sample& s : samples_)
    list.append(
        QJsonObject{{"t", s.time}, {"p", optional(s.pressure)}, {"r", optional(s.rain)}, {"c", s.counter}});
  return QJsonObject{{"samples", list},
                     {"reset", resetTime_},
                     {"lastRain", optional(lastRain_)},
                     {"lastCounter", lastCounter_}};
}

UploadHistory UploadHistory::fromJson(const QJsonObject& json) {
  UploadHistory h;
  for (const QJsonValue& v : json.value("samples").toArray()) {
    const QJsonObject o = v.toObject();
    const auto t = finite(o.value("t"));
    // Out of order samples would break the search from the newest end.
    if (!t || (!h.samples_.isEmpty() && *t <= h.samples_.last().time)) continue;
    if (h.samples_.size() >= kMaxSamples) break;
    h.samples_.append({*t, finite(o.value("p")), finite(o.value("r")), o.value("c").toInt()});
  }
  h.resetTime_ = finite(json.value("reset")).value_or(0);
  h.lastRain_ = finite(json.value("lastRain"));
  h.lastCounter_ = json.value("lastCounter").toInt();
  return h;
}

}  // namespace parlhora
