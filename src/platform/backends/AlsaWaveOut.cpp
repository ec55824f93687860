#include "platform/backends/AlsaWaveOut.h"

#include <alsa/asoundlib.h>

#include <QMetaObject>
#include <cstdlib>
#include <system_error>

#include "platform/backends/AlsaPlayback.h"
#include "platform/backends/PcmConverter.h"

namespace parlhora {

namespace {

constexpr unsigned kLatencyUs = 500000;

QString hint(void* entry, const char* field) {
  char* text = snd_device_name_get_hint(entry, field);
  if (!text) return {};
  QString result = QString::fromUtf8(text);
  std::free(text);
  return result;
}

}  // namespace

namespace {
// ALSA prints its configuration complaints (a missing card, say) straight to
// standard error; the failure reaches the user as the open's result instead.
extern "C" void quietAlsaErrors(const char*, int, const char*, int, const char*, ...) {}
}  // namespace

AlsaWaveOut::AlsaWaveOut(QString defaultPcm) : defaultPcm_(std::move(defaultPcm)) {
  static_cast<void>(snd_lib_error_set_handler(quietAlsaErrors));
}

AlsaWaveOut::~AlsaWaveOut() { playback_.reset(); }

void AlsaWaveOut::listOutputs() {
  outputs_.clear();
  listed_ = true;
  void** hints = nullptr;
  if (snd_device_name_hint(-1, "pcm", &hints) < 0 || !hints) return;
  for (void** entry = hints; *entry; ++entry) {
    const QString io = hint(*entry, "IOID");
    if (!io.isEmpty() && io != QLatin1String("Output")) continue;
    Output output;
    output.name = hint(*entry, "NAME");
    if (output.name.isEmpty()) continue;
    output.description = hint(*entry, "DESC").replace(QLatin1Char('\n'), QLatin1String(", "));
    if (output.description.isEmpty()) output.description = output.name;
    outputs_.push_back(std::move(output));
  }
  // Failing to free the hint list loses nothing the list needs.
  static_cast<void>(snd_device_name_free_hint(hints));
}

int AlsaWaveOut::deviceCount() {
  listOutputs();
  return static_cast<int>(outputs_.size());
}

int AlsaWaveOut::deviceName(int index, QString& name) {
  name.clear();
  if (!listed_) listOutputs();
  if (index < 0 || index >= static_cast<int>(outputs_.size())) return BadDeviceId;
  name = outputs_[static_cast<std::size_t>(index)].description;
  return Ok;
}

QString AlsaWaveOut::pcmName(int index) const {
  if (index < 0 || index >= static_cast<int>(outputs_.size())) return {};
  return outputs_[static_cast<std::size_t>(index)].name;
}

int AlsaWaveOut::checkDevice(int device) {
  if (device == -1) return Ok;
  if (!listed_) listOutputs();
  return device >= 0 && device < static_cast<int>(outputs_.size()) ? Ok : BadDeviceId;
}

int AlsaWaveOut::open(int device, const WaveFormat& format, Callbacks callbacks) {
  if (playback_) return Allocated;
  if (device < -1) return BadDeviceId;
  // Listing probes every card, thousands of calls on a box without any: the
  // list is made when the panel or `devices` asks, or when a number lies
  // beyond it (a card added since), not for every piece.
  if (device >= 0 && (!listed_ || device >= static_cast<int>(outputs_.size()))) listOutputs();
  if (checkDevice(device) != Ok) return BadDeviceId;
  if (!PcmConverter::convertible(format)) return BadFormat;
  const QString name = device == -1 ? defaultPcm_ : outputs_[static_cast<std::size_t>(device)].name;

  snd_pcm_t* pcm = nullptr;
  if (snd_pcm_open(&pcm, name.toUtf8().constData(), SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0)
    return Error;
  if (snd_pcm_set_params(pcm, SND_PCM_FORMAT_S16_LE, SND_PCM_ACCESS_RW_INTERLEAVED, 2, format.samplesPerSec,
                         1, kLatencyUs) < 0) {
    static_cast<void>(snd_pcm_close(pcm));
    return BadFormat;
  }
  const std::uint64_t epoch = epoch_ + 1;
  try {
    playback_ = std::make_unique<AlsaPlayback>(
        pcm, format.samplesPerSec, epoch, [this](int block, std::uint64_t epoch) {
          QMetaObject::invokeMethod(
              &context_, [this, block, epoch] { deliver(block, epoch); }, Qt::QueuedConnection);
        });
  } catch (const std::system_error&) {
    // No thread could be started: the device is not ours to keep.
    static_cast<void>(snd_pcm_close(pcm));
    return Error;
  }
  epoch_ = epoch;
  device_ = device;
  format_ = format;
  callbacks_ = std::move(callbacks);
  blocks_[0] = {};
  blocks_[1] = {};
  return Ok;
}

void AlsaWaveOut::deliver(int block, std::uint64_t epoch) {
  if (!playback_ || epoch != epoch_) return;
  if (block < 0) {
    auto onOpen = callbacks_.onOpen;
    if (onOpen) onOpen();
    return;
  }
  blocks_[block].queued = false;
  // A copy: the callee may close, which clears callbacks_.
  auto onDone = callbacks_.onDone;
  if (onDone) onDone(block);
}

int AlsaWaveOut::prepare(int block, const char* data, int length) {
  if (!playback_) return InvalidHandle;
  if (block < 0 || block > 1 || length < 0 || (length > 0 && !data)) return InvalidParam;
  if (blocks_[block].queued) return StillPlaying;
  blocks_[block] = {data, length, true, false};
  return Ok;
}

int AlsaWaveOut::unprepare(int block) {
  if (!playback_) return InvalidHandle;
  if (block < 0 || block > 1) return InvalidParam;
  if (blocks_[block].queued) return StillPlaying;
  blocks_[block].prepared = false;
  return Ok;
}

int AlsaWaveOut::write(int block) {
  if (!playback_) return InvalidHandle;
  if (block < 0 || block > 1) return InvalidParam;
  Block& b = blocks_[block];
  if (!b.prepared) return Unprepared;
  if (b.queued) return StillPlaying;
  AlsaPlayback::Item item;
  item.block = block;
  item.epoch = epoch_;
  std::uint32_t volume = kFullVolume;
  if (auto it = volumes_.find(device_); it != volumes_.end()) volume = it->second;
  PcmConverter::toStereo16(b.data, b.length, format_, volume, item.frames);
  b.queued = true;
  playback_->queue(std::move(item));
  return Ok;
}

int AlsaWaveOut::reset() {
  if (!playback_) return InvalidHandle;
  ++epoch_;
  playback_->drop(epoch_);
  blocks_[0].queued = false;
  blocks_[1].queued = false;
  return Ok;
}

int AlsaWaveOut::close() {
  if (!playback_) return InvalidHandle;
  ++epoch_;
  playback_.reset();
  blocks_[0] = {};
  blocks_[1] = {};
  callbacks_ = {};
  return Ok;
}

int AlsaWaveOut::getVolume(int device, std::uint32_t& volume) {
  if (checkDevice(device) != Ok) return BadDeviceId;
  auto it = volumes_.find(device);
  volume = it == volumes_.end() ? kFullVolume : it->second;
  return Ok;
}

int AlsaWaveOut::setVolume(int device, std::uint32_t volume) {
  if (checkDevice(device) != Ok) return BadDeviceId;
  volumes_[device] = volume;
  return Ok;
}

}  // namespace parlhora
