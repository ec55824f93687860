#pragma once

#include <QString>
#include <QStringList>

namespace parlhora {

/// The address in the METAR window: a web address or a local file, with an
/// optional trailing " //" comment naming the station.
class MetarAddress {
 public:
  /// Provider kind A serves reports by "icao=", kind B by "ids=".
  static constexpr char kProviderA[] = "api.met.no";
  static constexpr char kProviderB[] = "aviationweather.gov";
  /// The recent list of a fresh install: one address of each provider.
  static QStringList examples();

  static bool isWeb(const QString& address);
  /// The address without its " //" comment.
  static QString withoutComment(const QString& address);
  /// LabelNomICAO: the comment, else "====================".
  static QString stationName(const QString& address);
  /// The four characters after "icao=" (kind A) or "ids=" (kind B, which
  /// wins when both apply); empty when there are none.
  static QString airportCode(const QString& address);
};

}  // namespace parlhora
