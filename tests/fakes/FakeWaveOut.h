#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <random>
#include <set>
#include <vector>

#include "platform/Clock.h"
#include "platform/WaveOut.h"

namespace parlhora {

/// A WaveOut that records every call as a text line ("open -1 1ch 11025Hz
/// 16bit", "prepare 0 88200", "write 0", ...) and can be told to fail any
/// call by its name ("open", "prepare", "write", "unprepare", "reset",
/// "close", "getVolume", "setVolume", "deviceName"). Events are posted on the
/// Clock, so a VirtualClock delivers them on runPending()/runFor().
class FakeWaveOut final : public WaveOut {
 public:
  enum class Mode {
    Immediate,  // a written block is done as soon as control returns
    Manual,     // blocks are done only through completeNext()
    PlayTime,   // a block is done after its playing time
  };

  explicit FakeWaveOut(Clock& clock, Mode mode = Mode::Immediate);
  ~FakeWaveOut() override;
  FakeWaveOut(const FakeWaveOut&) = delete;
  FakeWaveOut& operator=(const FakeWaveOut&) = delete;

  int deviceCount() override { return static_cast<int>(devices_.size()); }
  int deviceName(int index, QString& name) override;
  int open(int device, const WaveFormat& format, Callbacks callbacks) override;
  int prepare(int block, const char* data, int length) override;
  int unprepare(int block) override;
  int write(int block) override;
  int reset() override;
  int close() override;
  int getVolume(int device, std::uint32_t& volume) override;
  int setVolume(int device, std::uint32_t volume) override;

  void setMode(Mode mode) { mode_ = mode; }
  void setDevices(QStringList names) { devices_ = std::move(names); }
  /// `call` fails once with `code`, after `passFirst` more calls of it pass.
  void failOnce(const QString& call, int code = WaveOut::Error, int passFirst = 0) {
    once_[call] = {passFirst, code};
  }
  /// `call` fails every time with `code`.
  void clearFailures();
  /// Every call fails with this probability (soak tests); seeded.
  void setRandomFailureRate(double rate, unsigned seed);
  /// Finishes the oldest queued block (Manual mode); false if none.
  bool completeNext();

  const QStringList& calls() const { return calls_; }
  /// Forgets the recorded calls and written lengths.
  void clearCalls() {
    calls_.clear();
    written_.clear();
  }
  /// Lengths of the written blocks, in order.
  const std::vector<int>& writtenLengths() const { return written_; }
  bool isOpen() const { return open_; }

 private:
  int fails(const QString& call);
  void scheduleDone(int block);
  void finish(int block);

  Clock& clock_;
  Mode mode_;
  QStringList devices_{QStringLiteral("Fake Sound Card")};
  QStringList calls_;
  std::map<QString, std::pair<int, int>> once_;  // calls to pass, code
  double randomRate_ = 0;
  std::mt19937 random_;
  bool open_ = false;
  WaveFormat format_;
  Callbacks callbacks_;
  struct Block {
    const char* data = nullptr;
    int length = 0;
    bool prepared = false;
    bool queued = false;
  };
  Block blocks_[2];
  std::vector<int> queue_;
  std::vector<int> written_;
  std::set<Clock::TimerId> pending_;
  std::map<int, std::uint32_t> volumes_;
  std::int64_t playEndMs_ = 0;
};

}  // namespace parlhora
