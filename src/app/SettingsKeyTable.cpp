#include "app/SettingsKeyTable.h"

#include <algorithm>
#include <climits>

#include "internet/MetarAddress.h"

namespace parlhora {
namespace {

using Rule = SettingsKeyRule;
using Lines = QList<QByteArray>;

const QString kNotANumber = QStringLiteral("value not a number");

// A line break inside a value would split it into two lines on reload.
QByteArray oneLine(QByteArray value) {
  value.replace('\r', QByteArray()).replace('\n', QByteArray());
  return value;
}

// Decimal, optionally negative, nothing else; out-of-int values are rejected.
std::optional<int> parseInt(const QByteArray& text) {
  if (text.isEmpty() || text.size() > 12) return std::nullopt;
  int i = text[0] == '-' ? 1 : 0;
  if (i == text.size()) return std::nullopt;
  long long v = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    v = v * 10 + (text[i] - '0');
  }
  if (text[0] == '-') v = -v;
  if (v < INT_MIN || v > INT_MAX) return std::nullopt;
  return static_cast<int>(v);
}

bool isWebAddress(const QByteArray& v) { return v.startsWith("http://") || v.startsWith("https://"); }

QByteArray withoutName(const QByteArray& v) {
  return MetarAddress::withoutComment(QString::fromLocal8Bit(v)).toLocal8Bit();
}

enum class Read { YesTrue, NoFalse, ZeroFalse, OneTrue };
enum class Written { IfTrue, IfFalse, Always };

// Booleans: how the reader tests the value and when and how the writer emits it.
template <class Field>
Rule flag(const QByteArray& key, Field field, Read read, Written written) {
  Rule r;
  r.key = key;
  r.apply = [field, read](SettingsLoadContext& c, const QByteArray&, const QByteArray& v) {
    bool& b = field(c.settings);
    switch (read) {
      case Read::YesTrue:
        b = v == "Y";
        break;
      case Read::NoFalse:
        b = v != "N";
        break;
      case Read::ZeroFalse:
        b = v != "0";
        break;
      case Read::OneTrue:
        b = v == "1";
        break;
    }
    return QString();
  };
  const QByteArray k = key;
  const bool digits = read == Read::ZeroFalse || read == Read::OneTrue;
  r.write = [k, field, written, digits](const AnnouncerSettings& s, Lines& out) {
    const bool b = field(s);
    const QByteArray on = digits ? "1" : "Y", off = digits ? "0" : "N";
    if (written == Written::Always || (written == Written::IfTrue && b) ||
        (written == Written::IfFalse && !b))
      out << k + (b ? on : off);
  };
  return r;
}

// Integers: a value that is not a number keeps the previous one; values
// outside the control's range are clamped to it. `skip` is the one value
// never written (nullopt = always written).
template <class Field>
Rule number(const QByteArray& key, Field field, int lo, int hi, std::optional<int> skip) {
  Rule r;
  r.key = key;
  r.apply = [field, lo, hi](SettingsLoadContext& c, const QByteArray&, const QByteArray& v) {
    const auto n = parseInt(v);
    if (!n) return kNotANumber;
    field(c.settings) = std::clamp(*n, lo, hi);
    return QString();
  };
  const QByteArray k = key;
  r.write = [k, field, skip](const AnnouncerSettings& s, Lines& out) {
    const int n = field(s);
    if (!skip || n != *skip) out << k + QByteArray::number(n);
  };
  return r;
}

template <class Field>
Rule text(const QByteArray& key, Field field, bool ignoreEmpty, bool alwaysWritten) {
  Rule r;
  r.key = key;
  r.apply = [field, ignoreEmpty](SettingsLoadContext& c, const QByteArray&, const QByteArray& v) {
    if (!(ignoreEmpty && v.isEmpty())) field(c.settings) = v;
    return QString();
  };
  const QByteArray k = key;
  r.write = [k, field, alwaysWritten](const AnnouncerSettings& s, Lines& out) {
    const QByteArray& v = field(s);
    if (alwaysWritten || !v.isEmpty()) out << k + oneLine(v);
  };
  return r;
}

Rule custom(const QByteArray& key, Rule::Apply apply, Rule::Write write) {
  Rule r;
  r.key = key;
  r.apply = std::move(apply);
  r.write = std::move(write);
  return r;
}

struct Box {
  const char* suffix;
  bool ReadingBoxes::*field;
};
const Box kAllBoxes[] = {
    {"TEMPINT=", &ReadingBoxes::tempInt}, {"TEMPEXT=", &ReadingBoxes::tempExt},
    {"PRESATM=", &ReadingBoxes::presAtm}, {"PRETEND=", &ReadingBoxes::preTend},
    {"VITVENT=", &ReadingBoxes::vitVent}, {"VITRAFA=", &ReadingBoxes::vitRafa},
    {"DIRVENT=", &ReadingBoxes::dirVent}, {"TRES=", &ReadingBoxes::tRes},
    {"PLUIE=", &ReadingBoxes::pluie},     {"HUMIDI=", &ReadingBoxes::humidi},
};

const struct {
  const char* word;
  WeatherSource source;
} kSourceWords[] = {{"MON", WeatherSource::MON},   {"W23", WeatherSource::W23},
                    {"W28", WeatherSource::W28},   {"APRS", WeatherSource::APRS},
                    {"PRO2", WeatherSource::PRO2}, {"METAR", WeatherSource::METAR},
                    {"NET", WeatherSource::NET}};

}  // namespace

const SettingsKeyTable& SettingsKeyTable::instance() {
  static const SettingsKeyTable table;
  return table;
}

SettingsKeyTable::SettingsKeyTable() {
  addMainKeys();
  addMonitorKeys();
  addFileSourceKeys("W23_", &AnnouncerSettings::w23);
  addFileSourceKeys("W28_", &AnnouncerSettings::w28);
  addWebSourceKeys("APRS_", &AnnouncerSettings::aprs);
  addWebSourceKeys("METAR_", &AnnouncerSettings::metar);
  addFileSourceKeys("PRO2_", &AnnouncerSettings::pro2);
  addTrailingKeys();
  addCwIdKeys();
  addNetKeys();
  for (int i = 0; i < static_cast<int>(rules_.size()); ++i)
    if (!rules_[i].prefix) exact_.insert(rules_[i].key, i);
}

const SettingsKeyRule* SettingsKeyTable::find(const QByteArray& key) const {
  const auto it = exact_.constFind(key);
  if (it != exact_.constEnd()) return &rules_[*it];
  // Favourite keys: the slot number lies between the prefix and the '='.
  for (const auto& r : rules_)
    if (r.prefix && key.size() > r.key.size() + 1 && key.startsWith(r.key)) return &r;
  return nullptr;
}

void SettingsKeyTable::addMainKeys() {
  add(flag(
      "RECORD=", [](auto& s) -> auto& { return s.announcement.record; }, Read::YesTrue, Written::IfTrue));
  add(text(
      "RECORDER=", [](auto& s) -> auto& { return s.mainWindow.recorderPath; }, true, true));
  add(custom(
      "ROSE=",
      [](SettingsLoadContext& c, const QByteArray&, const QByteArray& v) {
        c.settings.announcement.windRose16 = v == "16";
        return QString();
      },
      [](const AnnouncerSettings& s, Lines& out) {
        if (s.announcement.windRose16) out << "ROSE=16";
      }));
  add(custom(
      "OLD=",
      [](SettingsLoadContext& c, const QByteArray&, const QByteArray& v) {
        const auto n = parseInt(v);
        if (!n || *n < 1 || *n > 3) return QStringLiteral("value not 1, 2 or 3");
        c.settings.announcement.weatherAgeGateHours = *n;
        return QString();
      },
      [](const AnnouncerSettings& s, Lines& out) {
        const int h = s.announcement.weatherAgeGateHours;
        if (h >= 1 && h <= 3) out << "OLD=" + QByteArray::number(h);
      }));
  add(text(
      "FICHIER_ENTETE=", [](auto& s) -> auto& { return s.announcement.headerFile; }, false, false));
  // Absent means "kuckoo.wav", so an emptied path must be written to stay empty.
  add(text(
      "FICHIER_PIROLO=", [](auto& s) -> auto& { return s.announcement.cuckooFile; }, false, true));
  add(text(
      "FICHIER_FIN=", [](auto& s) -> auto& { return s.announcement.finalFile; }, false, false));
  add(number(
      "PERIOD=", [](auto& s) -> auto& { return s.schedule.periodPosition; }, 0, 6, 0));
  add(number(
      "START_RANGE=", [](auto& s) -> auto& { return s.schedule.startHour; }, 0, 24, 0));
  add(number(
      "END_RANGE=", [](auto& s) -> auto& { return s.schedule.endHour; }, 0, 24, 24));
  add(flag(
      "ENTETE=", [](auto& s) -> auto& { return s.announcement.header; }, Read::YesTrue, Written::IfTrue));
  add(number(
      "PAUSE=", [](auto& s) -> auto& { return s.announcement.pauseSeconds; }, 0, 15, 0));
  add(flag(
      "FINAL=", [](auto& s) -> auto& { return s.announcement.final; }, Read::YesTrue, Written::IfTrue));
  add(flag(
      "HELLO=", [](auto& s) -> auto& { return s.announcement.hello; }, Read::YesTrue, Written::IfTrue));
  add(flag(
      "DATE=", [](auto& s) -> auto& { return s.announcement.date; }, Read::NoFalse, Written::IfFalse));
  add(flag(
      "ILEST=", [](auto& s) -> auto& { return s.announcement.itIs; }, Read::NoFalse, Written::Always));
  add(flag(
      "TIME=", [](auto& s) -> auto& { return s.announcement.hourWithWords; }, Read::NoFalse,
      Written::IfFalse));
  Rule minute = flag(
      "MINUTE=", [](auto& s) -> auto& { return s.announcement.noMinuteWord; }, Read::YesTrue,
      Written::IfTrue);
  // Checking one time format unchecks the other, at load as on a click.
  minute.apply = [inner = minute.apply](SettingsLoadContext& c, const QByteArray& k, const QByteArray& v) {
    const QString result = inner(c, k, v);
    if (c.settings.announcement.noMinuteWord) c.settings.announcement.hourWithWords = false;
    return result;
  };
  add(std::move(minute));
  Rule start = flag(
      "START=", [](auto& s) -> auto& { return s.mainWindow.autostart; }, Read::YesTrue, Written::IfTrue);
  start.apply = [inner = start.apply](SettingsLoadContext& c, const QByteArray& k, const QByteArray& v) {
    c.report.autostartRead = true;
    return inner(c, k, v);
  };
  add(std::move(start));
  Rule reduce = flag(
      "REDUCE=", [](auto& s) -> auto& { return s.mainWindow.startMinimised; }, Read::YesTrue,
      Written::IfTrue);
  reduce.apply = [inner = reduce.apply](SettingsLoadContext& c, const QByteArray& k, const QByteArray& v) {
    if (v == "Y") c.report.startMinimisedRead = true;
    return inner(c, k, v);
  };
  add(std::move(reduce));
  add(number(
      "BALANCE=", [](auto& s) -> auto& { return s.sound.balance; }, -100, 100, std::nullopt));
  add(number(
      "VOLUME=", [](auto& s) -> auto& { return s.sound.volume; }, 0, 10, std::nullopt));
  add(number(
      "MAXVOLUME=", [](auto& s) -> auto& { return s.sound.maxVolume; }, 0, 100, std::nullopt));
  add(flag(
      "UNITTC=", [](auto& s) -> auto& { return s.units.celsius; }, Read::YesTrue, Written::Always));
  add(flag(
      "UNITPM=", [](auto& s) -> auto& { return s.units.hectopascal; }, Read::YesTrue, Written::Always));
  add(flag(
      "UNITVK=", [](auto& s) -> auto& { return s.units.kmh; }, Read::YesTrue, Written::Always));
  add(flag(
      "UNITRM=", [](auto& s) -> auto& { return s.units.millimetres; }, Read::YesTrue, Written::Always));
  add(custom(
      "METEO=",
      [](SettingsLoadContext& c, const QByteArray&, const QByteArray& v) {
        for (const auto& w : kSourceWords) {
          if (v != w.word) continue;
          // The station opens at once; the other sources are chosen after all lines.
          if (w.source == WeatherSource::MON) c.report.monitorChosen = true;
          c.chosenSource = w.source;
          return QString();
        }
        return QStringLiteral("unknown weather source");
      },
      [](const AnnouncerSettings& s, Lines& out) {
        for (const auto& w : kSourceWords)
          if (s.source == w.source) out << QByteArray("METEO=") + w.word;
      }));
}

void SettingsKeyTable::addMonitorKeys() {
  for (int i = 0; i < 7; ++i) {
    const auto box = kAllBoxes[i].field;
    add(flag(
        kAllBoxes[i].suffix, [box](auto& s) -> auto& { return s.monitor.boxes.*box; }, Read::YesTrue,
        Written::IfTrue));
  }
  add(flag(
      "LOG=", [](auto& s) -> auto& { return s.monitor.hourlyLog; }, Read::YesTrue, Written::IfTrue));
  add(number(
      "METPERI=", [](auto& s) -> auto& { return s.monitor.refreshMinutes; }, 1, 60, std::nullopt));
  // A number for COMn or a device name, as COM= holds; empty is ignored.
  add(custom(
      "METCOMM=",
      [](SettingsLoadContext& c, const QByteArray&, const QByteArray& v) {
        const QByteArray value = v.trimmed();
        if (value.isEmpty()) return QString();
        const auto n = parseInt(value);
        c.settings.monitor.port = n ? QByteArray::number(std::max(*n, 0)) : value;
        return QString();
      },
      [](const AnnouncerSettings& s, Lines& out) {
        out << "METCOMM=" + (s.monitor.port.isEmpty() ? QByteArray("0") : oneLine(s.monitor.port));
      }));
}

void SettingsKeyTable::addFileSourceKeys(const char* prefix, HistoryFileSettings AnnouncerSettings::*source) {
  const QByteArray p = prefix;
  const auto k = [&p](const char* suffix) { return p + suffix; };
  for (const auto& b : kAllBoxes) {
    const auto box = b.field;
    add(flag(
        k(b.suffix), [ source, box ](auto& s) -> auto& { return (s.*source).boxes.*box; }, Read::YesTrue,
        Written::IfTrue));
  }
  add(number(
      k("METPERI="), [source](auto& s) -> auto& { return (s.*source).refreshMinutes; }, 1, 60, std::nullopt));
  const QByteArray datKey = p + "DAT=";
  add(custom(
      k("DAT="),
      [source](SettingsLoadContext& c, const QByteArray&, const QByteArray& v) {
        HistoryFileSettings& src = c.settings.*source;
        src.file.clear();
        if (v.isEmpty()) return QString();
        if (c.fileExists && c.fileExists(v)) {
          src.file = v;
          src.errorText.clear();
          return QString();
        }
        src.errorText = QStringLiteral("Dateifehler");
        return QStringLiteral("file not found");
      },
      [source, datKey](const AnnouncerSettings& s, Lines& out) {
        if (!(s.*source).file.isEmpty()) out << datKey + oneLine((s.*source).file);
      }));
  if (p == "W28_")
    add(flag(
        k("PABS="), [source](auto& s) -> auto& { return (s.*source).absolutePressure; }, Read::YesTrue,
        Written::Always));
  add(number(
      k("POFFSET="), [source](auto& s) -> auto& { return (s.*source).pressureOffset; }, INT_MIN, INT_MAX,
      std::nullopt));
  if (p != "W28_")
    add(number(
        k("SEUILTEN="), [source](auto& s) -> auto& { return (s.*source).trendThreshold; }, 1, 9,
        std::nullopt));
  if (p == "PRO2_")
    add(flag(
        k("NEW="), [source](auto& s) -> auto& { return (s.*source).currentMonthFile; }, Read::NoFalse,
        Written::IfFalse));
}

void SettingsKeyTable::addWebSourceKeys(const char* prefix, WebSourceSettings AnnouncerSettings::*source) {
  const QByteArray p = prefix;
  const bool aprs = p == "APRS_";
  const auto k = [&p](const char* suffix) { return p + suffix; };
  for (int i = 1; i < 10; ++i) {
    if (i == 3) continue;  // no pressure trend from a report
    const auto box = kAllBoxes[i].field;
    add(flag(
        k(kAllBoxes[i].suffix), [ source, box ](auto& s) -> auto& { return (s.*source).boxes.*box; },
        Read::YesTrue, Written::IfTrue));
  }
  if (aprs) {
    const auto unitKey = [&](const char* suffix, RawWindUnit unit) {
      const QByteArray key = p + suffix;
      add(custom(
          k(suffix),
          [source, unit](SettingsLoadContext& c, const QByteArray&, const QByteArray& v) {
            RawWindUnit& u = (c.settings.*source).rawWind;
            if (v == "Y")
              u = unit;
            else if (u == unit)
              u = RawWindUnit::Mph;
            return QString();
          },
          [source, unit, key](const AnnouncerSettings& s, Lines& out) {
            if ((s.*source).rawWind == unit) out << key + "Y";
          }));
    };
    unitKey("KM=", RawWindUnit::Kmh);
    unitKey("KNOT=", RawWindUnit::Knots);
    // Absent means degF and inch, so degC and mm must be written (as N) to
    // survive a restart.
    add(flag(
        k("DGF="), [source](auto& s) -> auto& { return (s.*source).rawFahrenheit; }, Read::YesTrue,
        Written::Always));
    add(flag(
        k("INC="), [source](auto& s) -> auto& { return (s.*source).rawInch; }, Read::YesTrue,
        Written::Always));
  }
  add(number(
      k("METPERI="), [source](auto& s) -> auto& { return (s.*source).refreshMinutes; }, 1, 60, std::nullopt));
  const QByteArray datKey = p + "DAT=";
  add(custom(
      k("DAT="),
      [source](SettingsLoadContext& c, const QByteArray&, const QByteArray& v) {
        WebSourceSettings& src = c.settings.*source;
        src.address.clear();
        if (v.isEmpty()) return QString();
        // A favourite's " //Name" is no part of the file name.
        if (isWebAddress(v) || (c.fileExists && c.fileExists(withoutName(v)))) {
          src.address = v;
          src.errorText.clear();
          return QString();
        }
        src.errorText = QStringLiteral("Dateifehler #6");
        return QStringLiteral("file not found");
      },
      [source, datKey](const AnnouncerSettings& s, Lines& out) {
        if (!(s.*source).address.isEmpty()) out << datKey + oneLine((s.*source).address);
      }));
  const QByteArray listKey = p + "LIST=";
  add(custom(
      k("LIST="),
      [source](SettingsLoadContext& c, const QByteArray&, const QByteArray& v) {
        auto& list = (c.settings.*source).history;
        if (list.size() >= WebSourceSettings::kMaxHistory)
          return QStringLiteral("list already holds 10 entries");
        list.append(v);
        return QString();
      },
      [source, listKey](const AnnouncerSettings& s, Lines& out) {
        const auto& list = (s.*source).history;
        for (int i = 0; i < std::min<int>(list.size(), WebSourceSettings::kMaxHistory); ++i)
          out << listKey + oneLine(list[i]);
      }));
  Rule fav;
  fav.key = p + "FAV";
  fav.prefix = true;
  const int prefixLength = fav.key.size();
  fav.apply = [source, prefixLength](SettingsLoadContext& c, const QByteArray& key, const QByteArray& v) {
    const auto slot = parseInt(key.mid(prefixLength, key.size() - prefixLength - 1));
    if (!slot) return QStringLiteral("slot not a number");
    if (*slot < 1 || *slot > WebSourceSettings::kFavouriteSlots) return QStringLiteral("slot out of range");
    (c.settings.*source).favourites[*slot - 1] = v;
    return QString();
  };
  fav.write = [source, favKey = fav.key](const AnnouncerSettings& s, Lines& out) {
    const auto& favs = (s.*source).favourites;
    for (int i = 0; i < WebSourceSettings::kFavouriteSlots; ++i)
      if (!favs[i].isEmpty()) out << favKey + QByteArray::number(i + 1) + "=" + oneLine(favs[i]);
  };
  add(std::move(fav));
  add(number(
      k("POFFSET="), [source](auto& s) -> auto& { return (s.*source).pressureOffset; }, INT_MIN, INT_MAX,
      std::nullopt));
  add(number(
      k("TU="), [source](auto& s) -> auto& { return (s.*source).timeBase; }, aprs ? 0 : -1, 1, std::nullopt));
  if (aprs) {
    add(text(
        k("ID="), [source](auto& s) -> auto& { return (s.*source).id; }, false, false));
    add(text(
        k("PW="), [source](auto& s) -> auto& { return (s.*source).password; }, false, false));
  }
}

void SettingsKeyTable::addTrailingKeys() {
  add(number(
      "TOP=", [](auto& s) -> auto& { return s.mainWindow.top; }, INT_MIN, INT_MAX, std::nullopt));
  add(number(
      "LEFT=", [](auto& s) -> auto& { return s.mainWindow.left; }, INT_MIN, INT_MAX, std::nullopt));
  add(number(
      "METEO_TOP=", [](auto& s) -> auto& { return s.mainWindow.weatherTop; }, INT_MIN, INT_MAX,
      std::nullopt));
  add(number(
      "METEO_LEFT=", [](auto& s) -> auto& { return s.mainWindow.weatherLeft; }, INT_MIN, INT_MAX,
      std::nullopt));
  add(number(
      "METEO_WIDTH=", [](auto& s) -> auto& { return s.mainWindow.weatherWidth; }, 0, INT_MAX, std::nullopt));
  add(number(
      "METEO_HEIGHT=", [](auto& s) -> auto& { return s.mainWindow.weatherHeight; }, 0, INT_MAX,
      std::nullopt));
  add(flag(
      "FORMMETEO=", [](auto& s) -> auto& { return s.mainWindow.showWeatherWindow; }, Read::NoFalse,
      Written::IfFalse));
  add(number(
      "OSOUND=", [](auto& s) -> auto& { return s.sound.device; }, -1, INT_MAX, std::nullopt));
  add(flag(
      "VERSTART=", [](auto& s) -> auto& { return s.mainWindow.checkVersion; }, Read::OneTrue,
      Written::Always));
  add(custom(
      "COM=",
      [](SettingsLoadContext& c, const QByteArray&, const QByteArray& v) {
        c.settings.lines.port = v;
        c.report.portRead = true;
        return QString();
      },
      [](const AnnouncerSettings& s, Lines& out) {
        if (!s.lines.port.isEmpty()) out << "COM=" + oneLine(s.lines.port);
      }));
  add(flag(
      "DTR=", [](auto& s) -> auto& { return s.lines.dtr; }, Read::ZeroFalse, Written::IfFalse));
  add(flag(
      "RTS=", [](auto& s) -> auto& { return s.lines.rts; }, Read::ZeroFalse, Written::IfFalse));
  add(flag(
      "DSR=", [](auto& s) -> auto& { return s.lines.dsr; }, Read::ZeroFalse, Written::IfFalse));
  add(flag(
      "CTS=", [](auto& s) -> auto& { return s.lines.cts; }, Read::ZeroFalse, Written::IfFalse));
  add(flag(
      "DCD=", [](auto& s) -> auto& { return s.lines.dcd; }, Read::ZeroFalse, Written::IfFalse));
  add(custom(
      "SIMPLEX_SUFFIXE=",
      [](SettingsLoadContext& c, const QByteArray&, const QByteArray& v) {
        // Part of three object names: no '/', nothing a shell or a file
        // name could trip over.
        const bool plain = v.size() <= 64 && std::all_of(v.begin(), v.end(), [](char ch) {
                             return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') ||
                                    (ch >= '0' && ch <= '9') || ch == '_' || ch == '-' || ch == '.';
                           });
        if (!plain) return QStringLiteral("suffix: up to 64 of A-Z a-z 0-9 _ - .");
        c.settings.mainWindow.simplexSuffix = v;
        return QString();
      },
      [](const AnnouncerSettings& s, Lines& out) {
        if (!s.mainWindow.simplexSuffix.isEmpty()) out << "SIMPLEX_SUFFIXE=" + s.mainWindow.simplexSuffix;
      }));
}

// The network station's keys, after every older key; a default value is
// not written, so files without this source stay as they were.
void SettingsKeyTable::addNetKeys() {
  for (const auto& b : kAllBoxes) {
    const auto box = b.field;
    add(flag(
        QByteArray("NET_") + b.suffix, [box](auto& s) -> auto& { return s.net.boxes.*box; }, Read::YesTrue,
        Written::IfTrue));
  }
  add(number(
      "NET_PORT=", [](auto& s) -> auto& { return s.net.port; }, 1, 65535, NetStationSettings::kDefaultPort));
  // A path that is not one an HTTP request can name is ignored.
  add(custom(
      "NET_PATH=",
      [](SettingsLoadContext& c, const QByteArray&, const QByteArray& v) {
        const QByteArray path = v.trimmed();
        if (!path.startsWith('/') || path.size() > 200) return QStringLiteral("value not a path");
        for (char ch : path)
          if (ch <= ' ' || ch == '?' || ch == '#' || ch == 0x7f) return QStringLiteral("value not a path");
        c.settings.net.path = path;
        return QString();
      },
      [](const AnnouncerSettings& s, Lines& out) {
        if (s.net.path != NetStationSettings().path) out << "NET_PATH=" + oneLine(s.net.path);
      }));
  add(text(
      "NET_KEY=", [](auto& s) -> auto& { return s.net.key; }, false, false));
  add(number(
      "NET_POFFSET=", [](auto& s) -> auto& { return s.net.pressureOffset; }, INT_MIN, INT_MAX, 0));
  add(number(
      "NET_SEUILTEN=", [](auto& s) -> auto& { return s.net.trendThreshold; }, 1, 9, 4));
}

}  // namespace parlhora
