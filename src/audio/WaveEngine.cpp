#include "audio/WaveEngine.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>
#include <new>

#include "audio/PieceLibrary.h"
#include "audio/SoundSettings.h"
#include "audio/VoiceFolder.h"
#include "audio/VolumeMath.h"
#include "audio/WavReader.h"
#include "platform/Clock.h"
#include "platform/Notifier.h"

namespace parlhora {

namespace {

struct OutputTexts {
  const char* resource;
  const char* file;
};

constexpr OutputTexts kOpenFailed = {"Err: WaveOutOpen", "Err: Opening sound card"};
constexpr OutputTexts kPrepare1Failed = {"Err: Prepareheader1", "Err: PrepareHeader1"};
constexpr OutputTexts kWrite1Failed = {"Err: waveOutWrite1", "Err: WaveOutWrite1"};
constexpr OutputTexts kPrepare2Failed = {"Err: Prepareheader2", "Err: PrepareHeader2"};
constexpr OutputTexts kWrite2Failed = {"Err: waveOutWrite2", "Err: WaveOutWrite2"};
const char* const kRefillPrepareFailed = "fehler: prepare hdr3 wave";
const char* const kRefillWriteFailed = "Fehler: wave_out_write3 wave";

QString textFor(const OutputTexts& t, WaveOrigin origin) {
  return QString::fromLatin1(origin == WaveOrigin::File ? t.file : t.resource);
}

}  // namespace

WaveEngine::WaveEngine(WaveOut& out, Clock& clock, Notifier& notifier)
    : out_(&out), clock_(clock), notifier_(notifier) {}

WaveEngine::~WaveEngine() { Free_unlock(); }

void WaveEngine::setEvents(Events events) { events_ = std::move(events); }

void WaveEngine::setProgramFolder(const QString& folder) { programFolder_ = folder; }

bool WaveEngine::Alloc_Mem() {
  if (isAllocated()) return true;
  try {
    samples_.reserve(kInitialSampleBuffer);
  } catch (const std::bad_alloc&) {
    if (events_.status) events_.status(QStringLiteral("Fehler: Alloc Mem"));
    return false;
  }
  for (auto& block : blocks_) {
    block.reset(new (std::nothrow) char[kBlockSize]());
    if (!block) {
      blocks_[0].reset();
      blocks_[1].reset();
      if (events_.status) events_.status(QStringLiteral("Fehler: Alloc mem"));
      return false;
    }
  }
  return true;
}

void WaveEngine::Free_unlock() {
  // The backend may still read a queued block; stop it before the memory goes.
  if (opened_ || playing_) {
    closeDevice();
    clearFlags();
  }
  blocks_[0].reset();
  blocks_[1].reset();
  samples_ = QByteArray();
}

void WaveEngine::PlayWaveRes(const QString& name) {
  if (playing_) return;
  if (name.isEmpty()) {
    notifier_.beep();
    fail(WavReader::emptyNameText(WaveOrigin::Resource));
    return;
  }
  // The station's own recording, where there is one, is a file like the
  // jingles: same reader, same checks, the file texts on failure.
  const QString own = VoiceFolder::overrideFor(programFolder_, name);
  if (!own.isEmpty()) {
    PlayWaveFile(own);
    return;
  }
  if (events_.started) events_.started(WaveOrigin::Resource, name);
  std::unique_ptr<QIODevice> piece = PieceLibrary::open(name);
  if (!piece) {
    fail(WavReader::openFailedText(WaveOrigin::Resource));
    return;
  }
  play(WaveOrigin::Resource, piece.get());
}

void WaveEngine::PlayWaveFile(const QString& path) {
  if (playing_) return;
  if (path.isEmpty()) {
    notifier_.beep();
    fail(WavReader::emptyNameText(WaveOrigin::File));
    return;
  }
  if (events_.started) events_.started(WaveOrigin::File, path);
  const QString full =
      (programFolder_.isEmpty() || QFileInfo(path).isAbsolute()) ? path : QDir(programFolder_).filePath(path);
  QFile file(full);
  // Only a regular file: a directory opens fine on Linux, a FIFO would block
  // the program forever while the transmitter is keyed, a device never ends.
  if (!QFileInfo(full).isFile() || !file.open(QIODevice::ReadOnly)) {
    fail(WavReader::openFailedText(WaveOrigin::File));
    return;
  }
  play(WaveOrigin::File, &file);
}

void WaveEngine::PlayGenerated(WaveOrigin origin, const QString& label, const QByteArray& wavImage) {
  if (playing_) return;
  if (events_.started) events_.started(origin, label);
  // Through the reader like any piece: the same checks, the same blocks.
  QBuffer image;
  image.setData(wavImage);
  image.open(QIODevice::ReadOnly);
  play(origin, &image);
}

void WaveEngine::play(WaveOrigin origin, QIODevice* source) {
  if (!isAllocated() && !Alloc_Mem()) {
    fail(QStringLiteral("Err: Not enough memory"));
    return;
  }
  const WavReadResult result = WavReader::read(*source, origin, samples_);
  source->close();
  if (!result.ok()) {
    fail(result.error);
    return;
  }
  format_ = result.format;
  startPlayback(origin);
}

int WaveEngine::fillBlock(int block) {
  const int count = std::max(0, std::min<int>(kBlockSize, static_cast<int>(samples_.size()) - readPos_));
  if (count > 0) std::memcpy(blocks_[block].get(), samples_.constData() + readPos_, count);
  readPos_ += count;
  fill_[block] = count;
  return count;
}

void WaveEngine::startPlayback(WaveOrigin origin) {
  if (pendingOut_) {
    out_ = pendingOut_;
    pendingOut_ = nullptr;
  }
  origin_ = origin;
  const std::uint64_t session = ++session_;
  WaveOut::Callbacks callbacks;
  callbacks.onOpen = [this, session] { onOpen(session); };
  callbacks.onDone = [this, session](int block) { onDone(session, block); };
  if (!call(out_->open(device_, format_, std::move(callbacks)))) {
    fail(textFor(kOpenFailed, origin));
    return;
  }
  readPos_ = 0;
  written_ = 0;
  returned_ = 0;
  fill_[1] = 0;
  fillBlock(0);
  if (readPos_ < samples_.size()) fillBlock(1);

  if (!call(out_->prepare(0, blocks_[0].get(), fill_[0]))) {
    fail(textFor(kPrepare1Failed, origin));
    return;
  }
  if (!call(out_->write(0))) {
    fail(textFor(kWrite1Failed, origin));
    return;
  }
  ++written_;
  if (fill_[1] > 0) {
    if (!call(out_->prepare(1, blocks_[1].get(), fill_[1]))) {
      fail(textFor(kPrepare2Failed, origin));
      return;
    }
    if (!call(out_->write(1))) {
      fail(textFor(kWrite2Failed, origin));
      return;
    }
    ++written_;
  }
  playing_ = true;
  ++progress_;
}

void WaveEngine::onOpen(std::uint64_t session) {
  if (session == session_) opened_ = true;
}

void WaveEngine::onDone(std::uint64_t session, int block) {
  if (session != session_ || (block != 0 && block != 1)) return;
  call(out_->unprepare(block));
  ++returned_;
  ++progress_;
  if (!opened_) return;

  if (returned_ < written_) {
    if (readPos_ >= samples_.size()) return;  // the other block is the last one
    fillBlock(block);
    if (!call(out_->prepare(block, blocks_[block].get(), fill_[block]))) {
      fail(QString::fromLatin1(kRefillPrepareFailed));
      return;
    }
    if (!call(out_->write(block))) {
      fail(QString::fromLatin1(kRefillWriteFailed));
      return;
    }
    ++written_;
    return;
  }

  // All returned: the piece is out. Failures here change nothing for the user.
  call(out_->unprepare(0));
  call(out_->unprepare(1));
  call(out_->reset());
  call(out_->close());
  clock_.waitMs(kPauseAfterCloseMs);
  clearFlags();
  TimerFinWaveTimer();
}

bool WaveEngine::closeDevice() {
  // Reset first: a block still queued (a failure after the first write) cannot
  // be unprepared, and skipping the rest would leave the device open for good.
  if (!call(out_->reset())) return false;
  if (!call(out_->unprepare(0))) return false;
  if (!call(out_->unprepare(1))) return false;
  if (!call(out_->close())) return false;
  ++session_;
  return true;
}

void WaveEngine::clearFlags() {
  opened_ = false;
  playing_ = false;
}

void WaveEngine::TimerFinWaveTimer() {
  if (events_.pieceFinished) events_.pieceFinished();
}

void WaveEngine::setWaveOut(WaveOut& out) {
  if (playing_ || opened_)
    pendingOut_ = &out;
  else
    out_ = &out;
}

int WaveEngine::TrackBarVolumeChange(int position, int balance) {
  sliderMoving_ = true;
  const int result = out_->setVolume(device_, VolumeMath::deviceVolume(position, balance));
  lastResult_ = result;
  sliderMoving_ = false;
  return result;
}

void WaveEngine::applyStoredVolume(const SoundSettings& sound) {
  TrackBarVolumeChange(sound.volume, sound.balance);
}

WaveEngine::VolumeReading WaveEngine::readBack(int position, int balance) {
  VolumeReading reading{position, balance, false};
  if (sliderMoving_) return reading;
  std::uint32_t volume = 0;
  if (!call(out_->getVolume(device_, volume))) return reading;
  const VolumeMath::Slider slider = VolumeMath::readBack(volume, balance);
  reading.position = slider.position;
  reading.balance = slider.balance;
  reading.changed = slider.position != position || slider.balance != balance;
  return reading;
}

void WaveEngine::fail(const QString& text) {
  if (events_.status) events_.status(text);
  if (events_.failure) events_.failure();
}

bool WaveEngine::call(int result) {
  lastResult_ = result;
  return result == WaveOut::Ok;
}

}  // namespace parlhora
