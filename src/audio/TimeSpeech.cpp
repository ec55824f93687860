#include "audio/TimeSpeech.h"

#include <array>

#include "audio/NumberSpeech.h"

namespace parlhora {

namespace {

constexpr std::array<const char*, 7> kWeekdays{"sun", "mon", "tue", "wed", "thu", "fri", "sat"};
constexpr std::array<const char*, 12> kMonths{"jan", "feb", "mar", "apr", "may", "jun",
                                              "jul", "aug", "sep", "oct", "nov", "dec"};

}  // namespace

SpokenTime SpokenTime::from(const QDateTime& local) {
  const QDate d = local.date();
  const QTime t = local.time();
  SpokenTime s;
  // Qt counts Monday = 1 ... Sunday = 7; the pieces count Sunday = 1.
  s.weekday = d.dayOfWeek() % 7 + 1;
  s.hour = t.hour();
  s.minute = t.minute();
  s.day = d.day();
  s.month = d.month();
  s.year = d.year();
  return s;
}

QStringList TimeSpeech::weekday(int weekday) {
  if (weekday < 1 || weekday > 7) return {};
  return {QStringLiteral("son_") + QLatin1String(kWeekdays[weekday - 1])};
}

QStringList TimeSpeech::day(int day) {
  if (day < 1 || day > 31) return {};
  return {QStringLiteral("son_%1te").arg(day)};
}

QStringList TimeSpeech::month(int month) {
  if (month < 1 || month > 12) return {};
  return {QStringLiteral("son_") + QLatin1String(kMonths[month - 1])};
}

QStringList TimeSpeech::year(int year) {
  if (!yearSpoken(year)) return {};
  return {QStringLiteral("son2000"), NumberSpeech::number(year - 2000)};
}

QStringList TimeSpeech::hour(int hour) {
  if (hour < 0 || hour > 23) return {};
  return {NumberSpeech::number(hour), QStringLiteral("Son_hour")};
}

QStringList TimeSpeech::minute(int minute, bool noMinuteWord) {
  if (minute <= 0 || minute > 59) return {};
  QStringList pieces{NumberSpeech::number(minute)};
  if (!noMinuteWord) pieces << QStringLiteral("son_minute");
  return pieces;
}

}  // namespace parlhora
