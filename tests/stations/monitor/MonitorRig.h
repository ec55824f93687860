#pragma once

#include <QStringList>
#include <memory>

#include "fakes/FakeNotifier.h"
#include "stations/MonitorSource.h"
#include "weather/SourceContext.h"
#include "weather/UnitFactors.h"

namespace parlhora {

/// A Weather Monitor II source with everything it borrows, on any clock
/// and station port; its station calls run on the rig's clock unless
/// `threaded`.
struct MonitorRig {
  MonitorRig(Clock& clock, StationPort& port, QString devDir = QStringLiteral("/dev"), bool threaded = false)
      : context{clock, notifier, units, {}, {}} {
    context.announcementPlaying = [this] { return playing; };
    context.logLine = [this](const QString& line) { log << line; };
    MonitorSource::Wiring wiring;
    wiring.portList = [this] { return ports; };
    wiring.mainPortName = [this] { return mainPort; };
    wiring.chosen = [this] { return chosen; };
    wiring.timeText = [] { return QStringLiteral(" 14:00:00"); };
    wiring.devDir = std::move(devDir);
    wiring.readOnCoreThread = !threaded;
    source = std::make_unique<MonitorSource>(context, settings, port, wiring);
    QObject::connect(source.get(), &MonitorSource::hideRequested, [this] { ++hides; });
    QObject::connect(source.get(), &SourceController::readingsChanged, [this] {
      if (statuses.isEmpty() || statuses.last() != source->statusText()) statuses << source->statusText();
    });
  }

  QString caption(const char* name) const { return source->captions().text(QLatin1String(name)); }
  bool red(const char* name) const { return source->captions().red(QLatin1String(name)); }
  /// Sets the units as the units window would.
  void useImperialUnits() {
    units.RadioButtonTfClick();
    units.RadioButtonPiClick();
    units.RadioButtonVmClick();
  }

  FakeNotifier notifier;
  UnitFactors units;
  SourceContext context;
  MonitorSettings settings;
  QStringList ports{QStringLiteral("No COM"), QStringLiteral("COM1"), QStringLiteral("ttyUSB0")};
  QString mainPort = QStringLiteral("No COM");
  bool chosen = true;
  bool playing = false;
  QStringList log;
  QStringList statuses;
  int hides = 0;
  std::unique_ptr<MonitorSource> source;
};

}  // namespace parlhora
