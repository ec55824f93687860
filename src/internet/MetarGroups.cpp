#include "internet/MetarGroups.h"

#include <optional>

#include "weather/WeatherSnapshot.h"

namespace parlhora {

namespace {

// Digits only, and few enough that no value can overflow.
std::optional<int> number(QStringView s) {
  if (s.isEmpty() || s.size() > 6) return std::nullopt;
  int v = 0;
  for (QChar c : s) {
    if (c < u'0' || c > u'9') return std::nullopt;
    v = v * 10 + (c.unicode() - u'0');
  }
  return v;
}

// "M05" is -5.
std::optional<int> signedTemperature(QStringView s) {
  if (s.startsWith(u'M')) {
    const auto v = number(s.mid(1));
    if (!v) return std::nullopt;
    return -*v;
  }
  return number(s);
}

QStringList cut(const QString& line) {
  QStringList words;
  qsizetype from = 0;
  while (words.size() < MetarGroups::kMaxWords) {
    const qsizetype space = line.indexOf(u' ', from);
    if (space < 0) {
      words << line.mid(from);
      break;
    }
    words << line.mid(from, space - from);
    from = space + 1;
  }
  return words;
}

void readTime(MetarGroups& g) {
  for (const QString& w : g.words) {
    if (w.size() != 7 || w[6] != u'Z') continue;
    const auto day = number(QStringView(w).mid(0, 2));
    const auto hour = number(QStringView(w).mid(2, 2));
    const auto minute = number(QStringView(w).mid(4, 2));
    if (!day || !hour || !minute) continue;
    g.day = *day;
    g.hour = *hour;
    g.minute = *minute;
    g.timeWordFound = true;
    return;
  }
}

bool readWind(MetarGroups& g, const QString& w) {
  qsizetype suffix = 0;
  if (w.endsWith(QLatin1String("KT"))) {
    g.speedFactor = 1.852;
    suffix = 2;
  } else if (w.endsWith(QLatin1String("KMH"))) {
    g.speedFactor = 1.0;
    suffix = 3;
  } else if (w.endsWith(QLatin1String("MPS"))) {
    g.speedFactor = 3.6;
    suffix = 3;
  } else {
    return false;
  }
  const QStringView head = QStringView(w).left(3);
  if (head == QLatin1String("VRB")) {
    g.direction = MetarGroups::kVariable;
  } else if (head != QLatin1String("///")) {
    if (const auto d = number(head)) g.direction = *d;
  }
  const qsizetype unitStart = w.size() - suffix;
  const qsizetype gustMark = w.indexOf(u'G');
  const qsizetype speedEnd = gustMark >= 0 ? gustMark : unitStart;
  if (speedEnd > 3)
    if (const auto v = number(QStringView(w).mid(3, speedEnd - 3))) g.speed = *v;
  if (gustMark >= 0 && unitStart > gustMark + 1)
    if (const auto v = number(QStringView(w).mid(gustMark + 1, unitStart - gustMark - 1))) g.gust = *v;
  return true;
}

bool readTemperature(MetarGroups& g, const QString& w) {
  if (w.size() < 5 || w.size() > 7) return false;
  if (w[2] != u'/' && w[3] != u'/') return false;
  if (w.contains(QLatin1String("//"))) return false;
  const qsizetype slash = w.indexOf(u'/');
  const auto t = signedTemperature(QStringView(w).left(slash));
  if (!t) return true;  // found, but neither value usable
  g.temperature = *t;
  if (const auto d = signedTemperature(QStringView(w).mid(slash + 1))) g.dewPoint = *d;
  return true;
}

bool readPressure(MetarGroups& g, const QString& w) {
  if (w.size() != 5 || (w[0] != u'Q' && w[0] != u'A')) return false;
  const auto v = number(QStringView(w).mid(1));
  if (!v) {
    g.pressureFactor = 0;
    return false;
  }
  g.pressureFactor = w[0] == u'Q' ? 1.0 : 0.338639;
  g.pressureGroup = *v;
  return true;
}

bool readWeather(MetarGroups& g, const QString& w) {
  std::uint8_t flags = 0;
  const qsizetype n = w.size();
  if (n == 3 || n == 5) {
    if (w[0] == u'-')
      flags |= FlagLight;
    else if (w[0] == u'+')
      flags |= FlagHeavy;
    else
      return false;
  } else if (n != 2 && n != 4) {
    return false;
  }
  const QStringView kind = QStringView(w).right(2);
  if (kind == QLatin1String("RA")) flags |= FlagRain;
  if (kind == QLatin1String("SN")) flags |= FlagSnow;
  if (kind == QLatin1String("GR")) flags |= FlagHail;
  if (kind == QLatin1String("BR")) flags |= FlagMist;
  if (kind == QLatin1String("FG")) flags |= FlagFog;
  g.flags = flags;
  return flags != 0;
}

// Each group is the first word after the station code that matches it.
template <typename Reader>
void firstMatch(MetarGroups& g, Reader read) {
  for (qsizetype i = 1; i < g.words.size(); ++i)
    if (read(g, g.words[i])) return;
}

}  // namespace

MetarGroups MetarGroups::parse(const QString& line) {
  MetarGroups g;
  g.words = cut(line);
  readTime(g);
  firstMatch(g, readWind);
  firstMatch(g, readTemperature);
  firstMatch(g, readPressure);
  firstMatch(g, readWeather);
  return g;
}

}  // namespace parlhora
