#include "audio/WavReader.h"

#include <QIODevice>
#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <new>

namespace parlhora {

namespace {

enum class Failure {
  EmptyName,
  OpenFailed,
  ShortHead,
  ShortFormat,
  NotPcm,
  NotMonoStereo,
  BadRates,
  NoChunkTag,
  NoChunkSize,
  ShortChunk,
  ChunkReadError,
  NoDataSize,
  NoMemory,
  ShortData,
};

struct Texts {
  const char* resource;
  const char* file;
};

// Indexed by Failure; the texts are what the status line has always shown.
constexpr Texts kTexts[] = {
    {"Err: Res Wave", "Err: Wave file"},
    {"Fehler: Res Wave", "Err: Wave file name"},
    {"Err: Res Wave", "Err: wave file"},
    {"Err: Reading Res wave", "Err: Reading wave file"},
    {"Err: Res none PCM", "Err: none PCM file"},
    {"Err: Res none mono/stereo", "Err: none mono/stereo file"},
    {"Err: Res wave format", "Err: Wave file format"},
    {"Err: Res wave header", "Err: Header wave file"},
    {"Err: Chunk Res wave", "Err: chunk wave file"},
    {"Err: chunk2 Res wave", "Err: chunk2 wave file"},
    {"Err: Res wave data", "Err: Wave file data"},
    {"Err: Reading(2) Res wave", "Err: Reading(2) wave file"},
    {"Err: Not enough memory", "Err: Not enough memory"},
    {"Err: Reading(3) Res wave", "Err: Reading(3) wave file"},
};

QString text(Failure f, WaveOrigin origin) {
  const Texts& t = kTexts[static_cast<int>(f)];
  return QString::fromLatin1(origin == WaveOrigin::File ? t.file : t.resource);
}

using Scratch = std::array<char, WavReader::kScratchSize>;

std::uint16_t le16(const char* p) {
  const auto* u = reinterpret_cast<const unsigned char*>(p);
  return static_cast<std::uint16_t>(u[0] | (u[1] << 8));
}

std::uint32_t le32(const char* p) {
  const auto* u = reinterpret_cast<const unsigned char*>(p);
  return std::uint32_t(u[0]) | (std::uint32_t(u[1]) << 8) | (std::uint32_t(u[2]) << 16) |
         (std::uint32_t(u[3]) << 24);
}

enum class Got { All, Short, Error };

// QIODevice::read may hand over less than asked before the end; loop until
// the end or an error so a short count really means a short file.
Got readFully(QIODevice& in, char* dst, qint64 n, qint64* got = nullptr) {
  qint64 done = 0;
  Got result = Got::All;
  while (done < n) {
    const qint64 r = in.read(dst + done, n - done);
    if (r < 0) {
      result = Got::Error;
      break;
    }
    if (r == 0) {
      result = Got::Short;
      break;
    }
    done += r;
  }
  if (got) *got = done;
  return result;
}

// Passes over n bytes without a buffer larger than the scratch area.
Got skip(QIODevice& in, qint64 n, Scratch& scratch) {
  if (n <= 0) return Got::All;
  if (!in.isSequential()) {
    const qint64 left = in.size() - in.pos();
    if (n > left) {
      in.seek(in.size());
      return Got::Short;
    }
    return in.seek(in.pos() + n) ? Got::All : Got::Error;
  }
  while (n > 0) {
    const qint64 step = std::min<qint64>(n, scratch.size());
    const Got g = readFully(in, scratch.data(), step);
    if (g != Got::All) return g;
    n -= step;
  }
  return Got::All;
}

// A sequential device does not say how much it holds, so the buffer grows
// with what really arrives rather than to the declared size at once.
Got readSamplesSequential(QIODevice& in, qint64 size, QByteArray& samples) {
  constexpr qint64 kStep = 1 << 20;
  qint64 have = 0;
  while (have < size) {
    const qint64 step = std::min(kStep, size - have);
    samples.resize(have + step);
    qint64 got = 0;
    const Got g = readFully(in, samples.data() + have, step, &got);
    have += got;
    if (g != Got::All) return g;
  }
  return Got::All;
}

}  // namespace

WavReadResult WavReader::read(QIODevice& in, WaveOrigin origin, QByteArray& samples) {
  WavReadResult result;
  auto fail = [&](Failure f) {
    samples.resize(0);
    result.error = text(f, origin);
    return result;
  };

  Scratch scratch{};
  constexpr int kHead = 20;
  if (readFully(in, scratch.data(), kHead) != Got::All) return fail(Failure::ShortHead);

  // The first chunk is taken as the format chunk whatever its tag says.
  const qint64 fmtSize = le32(scratch.data() + 16);
  const qint64 fmtKept = std::min<qint64>(fmtSize, scratch.size());
  scratch.fill(0);  // a format chunk under 16 bytes leaves its missing fields at 0
  if (readFully(in, scratch.data(), fmtKept) != Got::All) return fail(Failure::ShortFormat);
  // Take the fields before skipping the rest: skipping may reuse the scratch area.
  const char* f = scratch.data();
  const std::uint16_t tag = le16(f);
  const std::uint16_t channels = le16(f + 2) & 0xFF;
  WaveFormat& fmt = result.format;
  fmt.formatTag = 1;
  fmt.channels = channels;
  fmt.samplesPerSec = le32(f + 4);
  fmt.avgBytesPerSec = le32(f + 8);
  fmt.blockAlign = le16(f + 12);
  fmt.bitsPerSample = le16(f + 14);
  if (skip(in, fmtSize - fmtKept, scratch) != Got::All) return fail(Failure::ShortFormat);

  if ((tag & 0xFF) != 1) return fail(Failure::NotPcm);
  if (channels != 1 && channels != 2) return fail(Failure::NotMonoStereo);
  // 64-bit product: a 32-bit one can wrap onto the average rate. A zero rate
  // or alignment would pass the product test yet leave nothing to play.
  if (fmt.samplesPerSec == 0 || fmt.blockAlign == 0 ||
      std::uint64_t(fmt.samplesPerSec) * fmt.blockAlign != fmt.avgBytesPerSec)
    return fail(Failure::BadRates);

  char word[4];
  for (;;) {
    if (readFully(in, word, 4) != Got::All) return fail(Failure::NoChunkTag);
    if (std::memcmp(word, "data", 4) == 0) break;
    if (readFully(in, word, 4) != Got::All) return fail(Failure::NoChunkSize);
    // No pad byte after an odd-sized chunk: stored pieces were written that way.
    switch (skip(in, le32(word), scratch)) {
      case Got::All:
        break;
      case Got::Short:
        return fail(Failure::ShortChunk);
      case Got::Error:
        return fail(Failure::ChunkReadError);
    }
  }
  if (readFully(in, word, 4) != Got::All) return fail(Failure::NoDataSize);
  const qint64 dataSize = le32(word);
  // The engine counts sample bytes in a signed 32-bit number.
  const bool tooLarge = dataSize > std::numeric_limits<int>::max();

  try {
    if (in.isSequential()) {
      // A stream shows its real length only by ending.
      if (readSamplesSequential(in, dataSize, samples) != Got::All) return fail(Failure::ShortData);
      if (tooLarge) return fail(Failure::NoMemory);
      return result;
    }
    if (dataSize > in.size() - in.pos()) return fail(Failure::ShortData);
    if (tooLarge) return fail(Failure::NoMemory);
    samples.resize(dataSize);
  } catch (const std::bad_alloc&) {
    return fail(Failure::NoMemory);
  }
  if (readFully(in, samples.data(), dataSize) != Got::All) return fail(Failure::ShortData);
  return result;
}

QString WavReader::emptyNameText(WaveOrigin origin) { return text(Failure::EmptyName, origin); }

QString WavReader::openFailedText(WaveOrigin origin) { return text(Failure::OpenFailed, origin); }

}  // namespace parlhora
