#pragma once

#include <QString>

namespace parlhora {

class Autostart;
class Clock;
class Notifier;
class RecorderChannel;
class SerialLines;
class SettingsStore;
class SharedLink;
class StationPort;
class StreamServer;
class WaveOut;

/// The platform facilities the core runs on, borrowed for the core's
/// lifetime: real backends in the program, fakes and a virtual clock in
/// tests and dry runs.
struct PlatformSet {
  Clock& clock;
  WaveOut& waveOut;
  SerialLines& serialLines;
  Notifier& notifier;
  Autostart& autostart;
  SettingsStore& settingsStore;
  StationPort& stationPort;  // the weather station's data lines
  QString programFolder;
  QString weatherFolder;  // empty when it could not be created
  SharedLink* sharedLink = nullptr;     // simplex program link; none in one-shot commands
  RecorderChannel* recorder = nullptr;  // wave recorder; none in one-shot commands
  StreamServer* uploadServer = nullptr;  // network station receiver; none in one-shot commands
};

}  // namespace parlhora
