#pragma once

#include <QDebug>
#include <QStringList>
#include <QTemporaryDir>

#include "ToolProcess.h"
#include "audio/AnnouncementOptions.h"
#include "audio/Sequencer.h"
#include "audio/WaveEngine.h"
#include "audio/WeatherSpeech.h"
#include "fakes/FakeKeying.h"
#include "fakes/FakeNotifier.h"
#include "fakes/FakeWaveOut.h"
#include "link/CooperationService.h"
#include "platform/backends/LocalSocketRecorderChannel.h"
#include "platform/backends/PosixSharedLink.h"
#include "platform/backends/SystemClock.h"

namespace parlhora {

/// The cooperation service on real shared memory and a real local socket,
/// both under names of their own, in front of the real sequencer. Sound
/// blocks finish only when the test says so.
struct LinkRig {
  LinkRig() : names(SharedLinkNames::withSuffix(uniqueSuffix())), shared(names) {
    service.attach(sequencer);
    engine.setEvents(sequencer.engineEvents());
    engine.setProgramFolder(folder.path());
    engine.Alloc_Mem();
    // Two pieces: the hour and "hour".
    options.date = false;
    options.itIs = false;
    sequencer.setTime(SpokenTime::from(QDateTime(QDate(2026, 3, 5), QTime(14, 0))));
    sequencer.setStatusSink([this](const QString& text) { setStatus(text); });
    service.setWiring({[this] { return status; }, [this](const QString& text) { setStatus(text); },
                       [this](const QString& text) { log << text; }});
  }
  ~LinkRig() {
    service.stopLink();
    PosixSharedLink::unlinkAll(names);
  }

  void setStatus(const QString& text) {
    status = text;
    statuses << text;
  }
  /// Lets the pieces of the running announcement play to their end.
  bool finishAnnouncement(int ms = 10000) {
    const bool ok = runEventsUntil(
        [this] {
          // The device's open notice comes first, as from a real device.
          QCoreApplication::processEvents();
          out.completeNext();
          return !sequencer.busy();
        },
        ms);
    if (!ok) qWarning() << "step" << sequencer.step() << out.calls() << statuses;
    return ok;
  }
  QString peerSuffix() const { return names.block.mid(QStringLiteral("/SIMPLEXSHAREDMEMORY").size()); }
  QStringList peerArgs(const QStringList& steps) const {
    return QStringList{"--suffix", peerSuffix()} + steps;
  }

  SharedLinkNames names;
  PosixSharedLink shared;
  LocalSocketRecorderChannel channel{QStringLiteral("TFormQuorrel.TALLISTO") + uniqueSuffix()};
  QByteArray recorderPath;
  QTemporaryDir folder;
  SystemClock clock;
  FakeWaveOut out{clock, FakeWaveOut::Mode::Manual};
  FakeNotifier notifier;
  WaveEngine engine{out, clock, notifier};
  FakeKeying keying;
  WeatherSpeech weather;
  AnnouncementOptions options;
  CooperationService service{clock, notifier, &shared, &channel, recorderPath};
  Sequencer sequencer{engine, clock, keying, service, service, weather, options};
  QString status;
  QStringList statuses;
  QStringList log;
};

}  // namespace parlhora
