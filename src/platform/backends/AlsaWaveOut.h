#pragma once

#include <QObject>
#include <QString>
#include <map>
#include <memory>
#include <vector>

#include "platform/WaveOut.h"

namespace parlhora {

class AlsaPlayback;

/// WaveOut on ALSA. Device -1 opens `defaultPcm` ("default"); 0..n-1 are the
/// output PCMs ALSA lists, named by their descriptions. Every device is
/// opened as 16-bit stereo; the blocks are converted on writing, with the
/// device's volume and balance applied (kept here, per device, full at
/// first). One playback thread per open device posts its events to the
/// thread that created this object, which must be the core thread.
class AlsaWaveOut final : public WaveOut {
 public:
  explicit AlsaWaveOut(QString defaultPcm = QStringLiteral("default"));
  ~AlsaWaveOut() override;
  AlsaWaveOut(const AlsaWaveOut&) = delete;
  AlsaWaveOut& operator=(const AlsaWaveOut&) = delete;

  /// Lists the devices anew.
  int deviceCount() override;
  /// From the list of the last deviceCount() (made then if not yet).
  int deviceName(int index, QString& name) override;
  int open(int device, const WaveFormat& format, Callbacks callbacks) override;
  int prepare(int block, const char* data, int length) override;
  int unprepare(int block) override;
  int write(int block) override;
  int reset() override;
  int close() override;
  int getVolume(int device, std::uint32_t& volume) override;
  int setVolume(int device, std::uint32_t volume) override;

  /// The ALSA name of device `index` in the last list ("" if none).
  QString pcmName(int index) const;

 private:
  struct Output {
    QString name;
    QString description;
  };
  struct Block {
    const char* data = nullptr;
    int length = 0;
    bool prepared = false;
    bool queued = false;
  };

  void listOutputs();
  void deliver(int block, std::uint64_t epoch);
  int checkDevice(int device);

  // Declared first so it outlives the playback thread that posts to it.
  QObject context_;
  QString defaultPcm_;
  std::vector<Output> outputs_;
  bool listed_ = false;
  std::map<int, std::uint32_t> volumes_;
  std::unique_ptr<AlsaPlayback> playback_;
  int device_ = -1;
  WaveFormat format_;
  Callbacks callbacks_;
  Block blocks_[2];
  std::uint64_t epoch_ = 0;
};

}  // namespace parlhora
