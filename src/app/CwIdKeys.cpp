// The identification keys of the settings table, kept apart from the
// table's older rows. Written only when they differ from a missing line, so
// files of stations that never use them stay as they were.
#include <charconv>

#include "app/SettingsKeyTable.h"

namespace parlhora {

namespace {

using Rule = SettingsKeyRule;

// Out-of-range values are kept as read: `parlhora config` names them and
// the announcement leaves the identification out, and a save loses nothing.
Rule cwNumber(const QByteArray& key, int CwIdSettings::*field, int absent) {
  Rule r;
  r.key = key;
  r.apply = [field](SettingsLoadContext& c, const QByteArray&, const QByteArray& v) {
    int n = 0;
    const auto [end, error] = std::from_chars(v.constData(), v.constData() + v.size(), n);
    const bool ok = error == std::errc() && end == v.constData() + v.size() && !v.isEmpty() && v[0] != '+';
    // An unreadable value must not go on air as a default the user never chose.
    c.settings.cwid.*field = ok ? n : CwIdSettings::kUnreadable;
    return ok ? QString() : QStringLiteral("value not a number");
  };
  r.write = [key, field, absent](const AnnouncerSettings& s, QList<QByteArray>& out) {
    const int n = s.cwid.*field;
    if (n != absent && n != CwIdSettings::kUnreadable) out << key + QByteArray::number(n);
  };
  return r;
}

}  // namespace

void SettingsKeyTable::addCwIdKeys() {
  Rule on;
  on.key = "CWID=";
  on.apply = [](SettingsLoadContext& c, const QByteArray&, const QByteArray& v) {
    c.settings.cwid.enabled = v == "Y";
    return QString();
  };
  on.write = [](const AnnouncerSettings& s, QList<QByteArray>& out) {
    if (s.cwid.enabled) out << "CWID=Y";
  };
  add(std::move(on));
  Rule call;
  call.key = "CWID_CALL=";
  call.apply = [](SettingsLoadContext& c, const QByteArray&, const QByteArray& v) {
    c.settings.cwid.call = v.trimmed().toUpper();
    return QString();
  };
  call.write = [](const AnnouncerSettings& s, QList<QByteArray>& out) {
    QByteArray v = s.cwid.call;
    v.replace('\r', QByteArray()).replace('\n', QByteArray());
    if (!v.isEmpty()) out << "CWID_CALL=" + v;
  };
  add(std::move(call));
  add(cwNumber("CWID_WPM=", &CwIdSettings::wpm, CwIdSettings::kDefaultWpm));
  add(cwNumber("CWID_HZ=", &CwIdSettings::hz, CwIdSettings::kDefaultHz));
  add(cwNumber("CWID_LEVEL=", &CwIdSettings::levelPercent, CwIdSettings::kDefaultLevel));
  add(cwNumber("CWID_MIN=", &CwIdSettings::minMinutes, 0));
}

}  // namespace parlhora
