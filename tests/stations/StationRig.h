#pragma once

#include <QTemporaryDir>
#include <memory>

#include "fakes/FakeNotifier.h"
#include "platform/VirtualClock.h"
#include "stations/Pro2Controller.h"
#include "stations/W23Controller.h"
#include "stations/W28Controller.h"
#include "weather/UnitFactors.h"

namespace parlhora::test {

enum class Kind { W23, W28, Pro2 };

/// One station source on real files in a temporary folder, on 2026-03-01.
struct StationRig {
  explicit StationRig(Kind kind, UnitsSettings unitChoice = {}) : units(UnitFactors::from(unitChoice)) {
    if (kind == Kind::W23) source = std::make_unique<W23Controller>(context, settings);
    if (kind == Kind::W28) source = std::make_unique<W28Controller>(context, settings);
    if (kind == Kind::Pro2) source = std::make_unique<Pro2Controller>(context, settings);
  }

  QString path(const QString& name) const { return dir.filePath(name); }
  /// Points the source at `file` and refreshes.
  void refresh(const QString& file) {
    settings.file = QFile::encodeName(file);
    source->applySettings();
    source->refresh();
  }
  QString caption(const char* name) const { return source->captions().text(QLatin1String(name)); }
  bool red(const char* name) const { return source->captions().red(QLatin1String(name)); }
  const WeatherSnapshot& snap() const { return source->snapshot(); }

  QTemporaryDir dir;
  VirtualClock clock{QDateTime(QDate(2026, 3, 1), QTime(0, 5))};
  FakeNotifier notifier;
  UnitFactors units;
  SourceContext context{clock, notifier, units, {}, {}};
  HistoryFileSettings settings;
  std::unique_ptr<HistoryFileController> source;
};

}  // namespace parlhora::test
