#include "internet/MetarSideFiles.h"

#include <QDir>
#include <QFile>
#include <cmath>

#include "platform/Notifier.h"
#include "weather/HalfEven.h"
#include "weather/UnitFactors.h"

namespace parlhora {

namespace {

bool shown(const Captions& c, const char* name) { return !c.text(name).contains(QLatin1String("--")); }

QString digits(long v, int width) { return QStringLiteral("%1").arg(v, width, 10, QLatin1Char('0')); }

// Fixed-width fields: a value too large for its width is written as the
// largest that fits rather than shifting every field after it.
QString field(long v, int width) {
  long max = 1;
  for (int i = 0; i < width; ++i) max *= 10;
  return digits(std::min(v, max - 1), width);
}

long nearest(double v) { return HalfEven::round(v); }

bool windKnown(const MetarGroups& g, int value) { return value >= 0 && g.speedFactor != 0; }

// The pressure in whole hPa / tenths of hPa; an A group is in hundredths of
// an inch of mercury and is converted, as both files speak hPa.
long pressureTenths(const MetarGroups& g) { return nearest(g.pressureGroup * g.pressureFactor * 10); }

}  // namespace

QString MetarSideFiles::uiviewWeather(const MetarGroups& g, const Captions& c, const WeatherSnapshot& snap) {
  QString s;
  const bool dir = shown(c, "CheckBoxDire") && g.direction >= 0 && g.direction <= 360;
  s += dir ? digits(g.direction, 3) + u'/' : QStringLiteral(".../");
  const bool wind = shown(c, "CheckBoxVent") && windKnown(g, g.speed);
  s += wind ? field(nearest(g.speedFactor * g.speed / 1.609344), 3) : QStringLiteral("...");
  const bool gust = shown(c, "CheckBoxRafa") && windKnown(g, g.gust);
  s += gust ? u'g' + field(nearest(g.speedFactor * g.gust / 1.609344), 3) : QStringLiteral("g...");
  if (shown(c, "CheckBoxText")) {
    // Three characters: -99 °F .. 999 °F.
    const long f = std::max(-99L, nearest(g.temperature * 1.8 + 32));
    s += u't' + (f >= 0 ? field(f, 3) : u'-' + digits(-f, 2));
  } else {
    s += QStringLiteral("t...");
  }
  QString rain = QStringLiteral("r000");
  if (shown(c, "CheckBoxPluie")) {
    rain = (g.flags & FlagLight)   ? QStringLiteral("r005")
           : (g.flags & FlagHeavy) ? QStringLiteral("r060")
                                   : QStringLiteral("r020");
  }
  s += rain + QStringLiteral("p...P...");
  if (shown(c, "CheckBoxHumiExt")) {
    const int h = snap.HumiExt;
    s += u'h' + digits(h == 0 ? 1 : h, 2);
  } else {
    s += QStringLiteral("h..");
  }
  const bool pressure = shown(c, "CheckBoxPatm") && g.pressureGroup >= 0 && g.pressureFactor != 0;
  s += pressure ? u'b' + field(pressureTenths(g), 5) : QStringLiteral("b.....");
  return s;
}

QString MetarSideFiles::plainLine(const MetarGroups& g, const Captions& c, const WeatherSnapshot& snap,
                                  const UnitFactors& units) {
  QString s;
  if (shown(c, "CheckBoxText")) s += QStringLiteral(" TEMP %1C").arg(g.temperature);
  if (shown(c, "CheckBoxPatm") && g.pressureGroup >= 0 && g.pressureFactor != 0)
    s += QStringLiteral(" = QNH %1hPa").arg(nearest(pressureTenths(g) / 10.0));
  if (shown(c, "CheckBoxVent") && windKnown(g, g.speed))
    s += QStringLiteral(" = WS %1kmh").arg(nearest(g.speedFactor * g.speed));
  // The piece says C: the reading goes back from the user's unit.
  if (shown(c, "CheckBoxTRes"))
    s += QStringLiteral(" = WCT %1C").arg(nearest((snap.TRes - units.UnitTempOffset) / units.UnitTempFactor));
  if (shown(c, "CheckBoxHumiExt")) s += QStringLiteral(" = HUM %1").arg(static_cast<int>(snap.HumiExt));
  s += u' ';
  return s;
}

bool MetarSideFiles::writeLines(const QString& path, const QStringList& lines) {
  QByteArray data;
  for (const QString& line : lines) data += line.toLatin1() + "\r\n";
  // A whole new file under a temporary name, then renamed: a reader never
  // sees half of it. No sync to disk: these files are rewritten every
  // minute, and a sync costs more than the whole decode.
  const QString part = path + QStringLiteral(".part");
  QFile file(part);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  const bool written = file.write(data) == data.size() && file.flush();
  file.close();
  if (written && (!QFile::exists(path) || QFile::remove(path)) && QFile::rename(part, path)) return true;
  QFile::remove(part);
  return false;
}

void MetarSideFiles::write(const QString& programFolder, const QString& weatherFolder, const QString& stamp,
                           const QString& uiview, const QString& plain, Notifier& notifier) {
  const bool publicFolder = !weatherFolder.isEmpty() && QDir(weatherFolder).exists();
  const QStringList uiviewLines{stamp, uiview};
  const QString uiviewName = QStringLiteral("metar_uiview.txt");
  const QString uiviewBox = QStringLiteral("Unmöglich um metar_uiview.txt zu speichern");
  if (!writeLines(QDir(programFolder).filePath(uiviewName), uiviewLines)) notifier.errorBox(uiviewBox);
  if (publicFolder && !writeLines(QDir(weatherFolder).filePath(uiviewName), uiviewLines))
    notifier.errorBox(uiviewBox);
  const QString cwName = QStringLiteral("metar_cw.txt");
  if (publicFolder && !writeLines(QDir(weatherFolder).filePath(cwName), {plain}))
    notifier.errorBox(QStringLiteral("Unmöglich um metar_cw zu speichern"));
  if (!writeLines(QDir(programFolder).filePath(cwName), {plain}))
    notifier.errorBox(QStringLiteral("Unmöglich um metar_cw.txt zu speichern"));
}

}  // namespace parlhora
