#include "internet/MetarAddress.h"

namespace parlhora {

namespace {

const QString kComment = QStringLiteral(" //");

QString codeAfter(const QString& address, const char* host, const char* key) {
  if (!address.contains(QLatin1String(host))) return {};
  const qsizetype at = address.indexOf(QLatin1String(key));
  if (at < 0) return {};
  return address.mid(at + qstrlen(key), 4);
}

}  // namespace

QStringList MetarAddress::examples() {
  return {QStringLiteral("https://api.met.no/weatherapi/tafmetar/1.0/metar.txt?icao=EDDF //Frankfurt/Main"),
          QStringLiteral("https://aviationweather.gov/api/data/metar?ids=LOWW //Wien-Schwechat")};
}

bool MetarAddress::isWeb(const QString& address) {
  return address.startsWith(QLatin1String("http://")) || address.startsWith(QLatin1String("https://"));
}

QString MetarAddress::withoutComment(const QString& address) {
  const qsizetype at = address.indexOf(kComment);
  return at < 0 ? address : address.left(at);
}

QString MetarAddress::stationName(const QString& address) {
  const qsizetype at = address.indexOf(kComment);
  if (at < 0) return QStringLiteral("====================");
  return address.mid(at + kComment.size(), 500);
}

QString MetarAddress::airportCode(const QString& address) {
  const QString b = codeAfter(address, kProviderB, "ids=");
  if (!b.isEmpty()) return b;
  return codeAfter(address, kProviderA, "icao=");
}

}  // namespace parlhora
