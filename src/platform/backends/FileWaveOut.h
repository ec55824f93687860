#pragma once

#include <QFile>
#include <QString>
#include <set>
#include <vector>

#include "platform/Clock.h"
#include "platform/WaveOut.h"

namespace parlhora {

/// WaveOut that renders everything played into one WAV file, 16-bit mono
/// at 11,025 samples per second (the format of the built-in pieces; other
/// pieces are mixed down and resampled). The time between the end of one
/// piece and the start of the next becomes silence, measured on the Clock's
/// monotonic time. Blocks are done at once (posted on the Clock). The file
/// is created at the first open, its RIFF sizes are brought up to date at
/// every close, and it is closed by finish() or the destructor. Core thread.
class FileWaveOut final : public WaveOut {
 public:
  static constexpr std::uint32_t kRate = 11025;

  FileWaveOut(QString path, Clock& clock);
  ~FileWaveOut() override;
  FileWaveOut(const FileWaveOut&) = delete;
  FileWaveOut& operator=(const FileWaveOut&) = delete;

  /// One device (0, or -1), named after the file.
  int deviceCount() override { return 1; }
  int deviceName(int index, QString& name) override;
  int open(int device, const WaveFormat& format, Callbacks callbacks) override;
  int prepare(int block, const char* data, int length) override;
  int unprepare(int block) override;
  int write(int block) override;
  int reset() override;
  int close() override;
  /// Kept, not applied: the file keeps the pieces as recorded.
  int getVolume(int device, std::uint32_t& volume) override;
  int setVolume(int device, std::uint32_t volume) override;

  /// Writes the final sizes and closes the file; false if that fails.
  bool finish();
  /// Sample bytes written so far.
  std::uint32_t dataBytes() const { return dataBytes_; }
  const QString& path() const { return path_; }

 private:
  struct Block {
    const char* data = nullptr;
    int length = 0;
    bool prepared = false;
    bool queued = false;
  };

  bool startFile();
  bool writeHeader();
  bool append(const std::vector<std::int16_t>& samples);
  void post(std::function<void()> fn);
  void cancelPending();

  QString path_;
  Clock& clock_;
  QFile file_;
  bool failed_ = false;
  bool open_ = false;
  bool firstWriteOfPiece_ = false;
  std::int64_t lastEndMs_ = -1;
  std::uint32_t dataBytes_ = 0;
  WaveFormat format_;
  Callbacks callbacks_;
  Block blocks_[2];
  std::uint32_t volume_ = kFullVolume;
  std::set<Clock::TimerId> pending_;
  std::vector<std::int16_t> scratch_;
};

}  // namespace parlhora
