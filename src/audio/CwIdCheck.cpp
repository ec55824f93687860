#include "audio/CwIdCheck.h"

#include <algorithm>

namespace parlhora {

namespace {

struct Range {
  const char* key;
  int CwIdSettings::*field;
  int lo;
  int hi;
};

const Range kRanges[] = {
    {"CWID_WPM=", &CwIdSettings::wpm, CwIdSettings::kMinWpm, CwIdSettings::kMaxWpm},
    {"CWID_HZ=", &CwIdSettings::hz, CwIdSettings::kMinHz, CwIdSettings::kMaxHz},
    {"CWID_LEVEL=", &CwIdSettings::levelPercent, 0, CwIdSettings::kMaxLevel},
    {"CWID_MIN=", &CwIdSettings::minMinutes, 0, CwIdSettings::kMaxMinutes},
};

bool callSign(char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '/'; }

// A terminal must not act on control bytes; bytes beyond ASCII are shown
// as numbers, since a call never holds them.
QString shown(const QByteArray& bytes) {
  QString text;
  for (const char b : bytes) {
    const auto u = static_cast<unsigned char>(b);
    text += (u < 0x20 || u >= 0x7f || u == '\\') ? QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'))
                                                 : QString(QLatin1Char(b));
  }
  return text;
}

}  // namespace

bool CwIdCheck::validCall(const QByteArray& call) {
  for (const char c : call)
    if (!callSign(c)) return false;
  return true;
}

QStringList CwIdCheck::problems(const CwIdSettings& s) {
  QStringList out;
  const auto bad = std::find_if(s.call.begin(), s.call.end(), [](char c) { return !callSign(c); });
  if (bad != s.call.end())
    out << QStringLiteral("CWID_CALL=%1: \"%2\" cannot be sent, a call holds letters, digits and \"/\"")
               .arg(shown(s.call), shown(QByteArray(1, *bad)));
  for (const Range& r : kRanges) {
    const int v = s.*r.field;
    if (v == CwIdSettings::kUnreadable || (v >= r.lo && v <= r.hi)) continue;
    out << QStringLiteral("%1%2: not %3..%4").arg(QLatin1String(r.key)).arg(v).arg(r.lo).arg(r.hi);
  }
  return out;
}

bool CwIdCheck::sendable(const CwIdSettings& s) {
  if (!s.enabled || s.call.isEmpty() || !validCall(s.call)) return false;
  for (const Range& r : kRanges) {
    const int v = s.*r.field;
    if (v < r.lo || v > r.hi) return false;
  }
  return true;
}

}  // namespace parlhora
