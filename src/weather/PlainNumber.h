#pragma once

#include <QString>

namespace parlhora {

/// A reading for the decode command: C locale, no exponent, six decimals
/// at most, no trailing zeros ("12.5", "0", "-3").
inline QString plainNumber(double v) {
  QString s = QString::number(v, 'f', 6);
  while (s.endsWith(u'0')) s.chop(1);
  if (s.endsWith(u'.')) s.chop(1);
  return s == QLatin1String("-0") ? QStringLiteral("0") : s;
}

}  // namespace parlhora
