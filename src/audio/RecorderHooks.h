#pragma once

namespace parlhora {

/// What an announcement asks of the wave recorder (only with `MenuRecord`).
/// The defaults do nothing, for a core without the recorder. Core thread only.
class RecorderHooks {
 public:
  virtual ~RecorderHooks() = default;

  /// Starts the wave recorder.
  virtual void recorderStart() {}
  /// Stops the wave recorder and closes its file.
  virtual void recorderStopAndClose() {}
};

}  // namespace parlhora
