#include "update/VersionNumber.h"

#include <QStringList>

namespace parlhora {

int VersionNumber::of(const QString& text) {
  const QStringList parts = text.split(QLatin1Char('.'));
  static constexpr int kWeights[] = {100, 10, 1};
  int value = 0;
  for (int i = 0; i < 3; ++i) {
    const QString part = parts.value(i);
    if (part.isEmpty()) continue;
    const QChar first = part.front();
    if (first < QLatin1Char('0') || first > QLatin1Char('9')) break;
    value += kWeights[i] * (first.unicode() - '0');
  }
  return value;
}

}  // namespace parlhora
