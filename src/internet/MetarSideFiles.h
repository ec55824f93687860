#pragma once

#include <QString>
#include <QStringList>

#include "internet/MetarGroups.h"
#include "weather/Captions.h"
#include "weather/WeatherSnapshot.h"

namespace parlhora {

class Notifier;
struct UnitFactors;

/// "metar_uiview.txt" (two lines in the APRS weather notation, US units) and
/// "metar_cw.txt" (one plain line) for other station software. A field is
/// written when its window caption shows a value.
class MetarSideFiles {
 public:
  static QString uiviewWeather(const MetarGroups& g, const Captions& captions, const WeatherSnapshot& snap);
  static QString plainLine(const MetarGroups& g, const Captions& captions, const WeatherSnapshot& snap,
                           const UnitFactors& units);

  /// Writes both files in `programFolder` and, when it exists, in
  /// `weatherFolder`; each write is tried on its own and a failure shows
  /// its box. `stamp` is line 1 of the uiview file.
  static void write(const QString& programFolder, const QString& weatherFolder, const QString& stamp,
                    const QString& uiview, const QString& plain, Notifier& notifier);

  /// Replaces `path` by `lines`, each ended by CR LF, through a temporary
  /// file so that a reader never sees half of it. False on any failure.
  static bool writeLines(const QString& path, const QStringList& lines);
};

}  // namespace parlhora
