#include <gtest/gtest.h>
#include <QBuffer>

#include "WavImage.h"
#include "audio/WavReader.h"

namespace parlhora {
namespace {

using test::SequentialDevice;
using test::WavImage;

WavReadResult readBytes(const QByteArray& bytes, QByteArray& samples, WaveOrigin origin = WaveOrigin::File) {
  QByteArray copy = bytes;
  QBuffer buffer(&copy);
  buffer.open(QIODevice::ReadOnly);
  return WavReader::read(buffer, origin, samples);
}

QByteArray someSamples(int n) {
  QByteArray s(n, '\0');
  for (int i = 0; i < n; ++i) s[i] = char(i * 7 + 3);
  return s;
}

// --- files that pass -------------------------------------------------------

TEST(WavReaderAccepts, PlainMonoPieceWithItsFormat) {
  const QByteArray data = someSamples(1000);
  QByteArray samples;
  const WavReadResult r = readBytes(WavImage::plain(data), samples, WaveOrigin::Resource);
  ASSERT_TRUE(r.ok()) << r.error.toStdString();
  EXPECT_EQ(samples, data);
  EXPECT_EQ(r.format.formatTag, 1);
  EXPECT_EQ(r.format.channels, 1);
  EXPECT_EQ(r.format.samplesPerSec, 11025u);
  EXPECT_EQ(r.format.avgBytesPerSec, 22050u);
  EXPECT_EQ(r.format.blockAlign, 2);
  EXPECT_EQ(r.format.bitsPerSample, 16);
}

TEST(WavReaderAccepts, EightBitTwentyFourBitAndStereo) {
  struct Case {
    std::uint16_t channels;
    std::uint32_t rate;
    std::uint16_t bits;
  };
  for (const Case c : {Case{1, 8000, 8}, Case{1, 48000, 24}, Case{2, 44100, 16}, Case{2, 22050, 24}}) {
    const QByteArray data = someSamples(600);
    QByteArray samples;
    const WavReadResult r =
        readBytes(WavImage::riff(WavImage::chunk("fmt ", WavImage::fmtFields(1, c.channels, c.rate, c.bits)) +
                                 WavImage::chunk("data", data)),
                  samples);
    ASSERT_TRUE(r.ok()) << c.bits << " bits: " << r.error.toStdString();
    EXPECT_EQ(samples, data);
    EXPECT_EQ(r.format.channels, c.channels);
    EXPECT_EQ(r.format.samplesPerSec, c.rate);
    EXPECT_EQ(r.format.bitsPerSample, c.bits);
    EXPECT_EQ(r.format.blockAlign, c.channels * c.bits / 8);
  }
}

TEST(WavReaderAccepts, ChunksBeforeDataAreSkippedAndAfterItIgnored) {
  const QByteArray data = someSamples(40);
  const QByteArray fmt = WavImage::chunk("fmt ", WavImage::fmtFields(1, 1, 16000, 16));
  QByteArray samples;
  // fact and LIST before the samples, a LIST after them whose size runs past the end.
  const QByteArray image =
      WavImage::riff(fmt + WavImage::chunk("fact", WavImage::le32(20)) + WavImage::chunk("LIST", "INFOabcd") +
                     WavImage::chunk("data", data) + "LIST" + WavImage::le32(1000000));
  const WavReadResult r = readBytes(image, samples);
  ASSERT_TRUE(r.ok()) << r.error.toStdString();
  EXPECT_EQ(samples, data);
  EXPECT_EQ(r.format.samplesPerSec, 16000u);
}

TEST(WavReaderAccepts, OddSizedChunkIsFollowedByNoPadByte) {
  const QByteArray data = someSamples(8);
  QByteArray samples;
  const WavReadResult r =
      readBytes(WavImage::riff(WavImage::chunk("fmt ", WavImage::fmtFields(1, 1, 11025, 16)) +
                               WavImage::chunk("odd!", "abc") + WavImage::chunk("data", data)),
                samples);
  ASSERT_TRUE(r.ok()) << r.error.toStdString();
  EXPECT_EQ(samples, data);
}

TEST(WavReaderAccepts, EmptyDataChunkGivesAnEmptyBuffer) {
  QByteArray samples = someSamples(100);  // a previous piece
  const WavReadResult r = readBytes(WavImage::plain({}), samples);
  ASSERT_TRUE(r.ok()) << r.error.toStdString();
  EXPECT_TRUE(samples.isEmpty());
}

TEST(WavReaderAccepts, FirstChunkIsTheFormatWhateverItsTag) {
  QByteArray samples;
  const WavReadResult r =
      readBytes(WavImage::riff(WavImage::chunk("junk", WavImage::fmtFields(1, 2, 8000, 8)) +
                               WavImage::chunk("data", "xy")),
                samples);
  ASSERT_TRUE(r.ok()) << r.error.toStdString();
  EXPECT_EQ(r.format.channels, 2);
  EXPECT_EQ(samples, QByteArray("xy"));
}

TEST(WavReaderAccepts, OnlyTheLowBytesOfTagAndChannelsCount) {
  QByteArray samples;
  const WavReadResult r = readBytes(
      WavImage::riff(WavImage::chunk("fmt ", WavImage::fmtFields(0x0301, 0x0502, 8000, 16000, 2, 8)) +
                     WavImage::chunk("data", "ab")),
      samples);
  ASSERT_TRUE(r.ok()) << r.error.toStdString();
  EXPECT_EQ(r.format.formatTag, 1);
  EXPECT_EQ(r.format.channels, 2);  // the value that was checked, not 0x0502
}

TEST(WavReaderAccepts, LongFormatChunkIsPassedOverWithItsFirstFieldsKept) {
  QByteArray fmt = WavImage::fmtFields(1, 1, 22050, 16);
  fmt += QByteArray(5000 - fmt.size(), 'z');
  const QByteArray data = someSamples(30);
  QByteArray samples;
  const WavReadResult r =
      readBytes(WavImage::riff(WavImage::chunk("fmt ", fmt) + WavImage::chunk("data", data)), samples);
  ASSERT_TRUE(r.ok()) << r.error.toStdString();
  EXPECT_EQ(r.format.samplesPerSec, 22050u);
  EXPECT_EQ(samples, data);
}

TEST(WavReaderAccepts, LongChunksOnADeviceThatCannotSeek) {
  QByteArray fmt = WavImage::fmtFields(1, 1, 11025, 16);
  fmt += QByteArray(3000, 'f');
  const QByteArray data = someSamples(5000);
  SequentialDevice device(WavImage::riff(WavImage::chunk("fmt ", fmt) +
                                         WavImage::chunk("LIST", QByteArray(4100, 'l')) +
                                         WavImage::chunk("data", data)));
  QByteArray samples;
  const WavReadResult r = WavReader::read(device, WaveOrigin::File, samples);
  ASSERT_TRUE(r.ok()) << r.error.toStdString();
  EXPECT_EQ(samples, data);
}

// --- files that fail: each gives its text for both origins ------------------

struct BadFile {
  const char* what;
  QByteArray image;
  const char* resourceText;
  const char* fileText;
};

QByteArray fmtChunk(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate, std::uint32_t avg,
                    std::uint16_t align, std::uint16_t bits) {
  return WavImage::chunk("fmt ", WavImage::fmtFields(tag, channels, rate, avg, align, bits));
}

std::vector<BadFile> badFiles() {
  const QByteArray goodFmt = fmtChunk(1, 1, 11025, 22050, 2, 16);
  const QByteArray plain = WavImage::plain(someSamples(64));
  return {
      {"truncated head", plain.left(19), "Err: Res Wave", "Err: wave file"},
      {"format chunk shorter than declared", plain.left(30), "Err: Reading Res wave",
       "Err: Reading wave file"},
      {"format chunk of 5,000 bytes cut short",
       WavImage::riff("fmt " + WavImage::le32(5000) + WavImage::fmtFields(1, 1, 11025, 16) +
                      QByteArray(3000, 'x')),
       "Err: Reading Res wave", "Err: Reading wave file"},
      {"format chunk of two bytes: the missing fields read as 0",
       WavImage::riff(WavImage::chunk("fmt ", WavImage::le16(1)) + WavImage::chunk("data", "ab")),
       "Err: Res none mono/stereo", "Err: none mono/stereo file"},
      {"float samples", WavImage::riff(fmtChunk(3, 1, 11025, 44100, 4, 32) + WavImage::chunk("data", "abcd")),
       "Err: Res none PCM", "Err: none PCM file"},
      {"three channels",
       WavImage::riff(fmtChunk(1, 3, 11025, 66150, 6, 16) + WavImage::chunk("data", "abcdef")),
       "Err: Res none mono/stereo", "Err: none mono/stereo file"},
      {"no channels", WavImage::riff(fmtChunk(1, 0, 11025, 0, 0, 16)), "Err: Res none mono/stereo",
       "Err: none mono/stereo file"},
      {"wrong average rate",
       WavImage::riff(fmtChunk(1, 1, 11025, 22000, 2, 16) + WavImage::chunk("data", "ab")),
       "Err: Res wave format", "Err: Wave file format"},
      {"average rate matching only a wrapped product",
       WavImage::riff(fmtChunk(1, 1, 0x80000000u, 0, 2, 16) + WavImage::chunk("data", "ab")),
       "Err: Res wave format", "Err: Wave file format"},
      {"zero block alignment",
       WavImage::riff(fmtChunk(1, 1, 11025, 0, 0, 16) + WavImage::chunk("data", "ab")),
       "Err: Res wave format", "Err: Wave file format"},
      {"no data chunk", WavImage::riff(goodFmt + WavImage::chunk("LIST", "INFO")), "Err: Res wave header",
       "Err: Header wave file"},
      {"chunk tag cut short", WavImage::riff(goodFmt + "da"), "Err: Res wave header",
       "Err: Header wave file"},
      {"skipped chunk without its size", WavImage::riff(goodFmt + "fact" + "\x04\x00"), "Err: Chunk Res wave",
       "Err: chunk wave file"},
      {"skipped chunk shorter than its size", WavImage::riff(goodFmt + "LIST" + WavImage::le32(100) + "INFO"),
       "Err: chunk2 Res wave", "Err: chunk2 wave file"},
      {"data chunk without its size", WavImage::riff(goodFmt + "data" + "\x10"), "Err: Reading(2) Res wave",
       "Err: Reading(2) wave file"},
      {"data chunk shorter than declared", plain.left(plain.size() - 1), "Err: Reading(3) Res wave",
       "Err: Reading(3) wave file"},
      {"data size 0x7FFFFFFF", WavImage::riff(goodFmt + "data" + WavImage::le32(0x7FFFFFFF) + "abcd"),
       "Err: Reading(3) Res wave", "Err: Reading(3) wave file"},
      {"data size 0xFFFFFFFF", WavImage::riff(goodFmt + "data" + WavImage::le32(0xFFFFFFFF) + "abcd"),
       "Err: Reading(3) Res wave", "Err: Reading(3) wave file"},
  };
}

TEST(WavReaderRefuses, EachBadFileWithItsTextForBothOrigins) {
  for (const BadFile& bad : badFiles()) {
    for (WaveOrigin origin : {WaveOrigin::Resource, WaveOrigin::File}) {
      QByteArray samples = "previous piece";
      const WavReadResult r = readBytes(bad.image, samples, origin);
      EXPECT_EQ(r.error.toStdString(), origin == WaveOrigin::Resource ? bad.resourceText : bad.fileText)
          << bad.what;
      EXPECT_TRUE(samples.isEmpty()) << bad.what;
    }
  }
}

TEST(WavReaderRefuses, TheSameOnADeviceThatCannotSeek) {
  for (const BadFile& bad : badFiles()) {
    SequentialDevice device(bad.image);
    QByteArray samples;
    EXPECT_EQ(WavReader::read(device, WaveOrigin::File, samples).error.toStdString(), bad.fileText)
        << bad.what;
    EXPECT_LE(samples.capacity(), 2 << 20) << bad.what;  // grew with the data, not to the declared size
  }
}

TEST(WavReaderRefuses, ReadErrorInsideASkippedChunk) {
  const QByteArray head = WavImage::riff(fmtChunk(1, 1, 11025, 22050, 2, 16));
  const QByteArray image =
      head + "LIST" + WavImage::le32(5000) + QByteArray(5000, 'l') + WavImage::chunk("data", "ab");
  for (WaveOrigin origin : {WaveOrigin::Resource, WaveOrigin::File}) {
    SequentialDevice device(image, head.size() + 100);
    QByteArray samples;
    EXPECT_EQ(WavReader::read(device, origin, samples).error,
              origin == WaveOrigin::Resource ? "Err: Res wave data" : "Err: Wave file data");
  }
}

TEST(WavReaderTexts, StepsTheCallerDoesItself) {
  EXPECT_EQ(WavReader::emptyNameText(WaveOrigin::Resource), "Err: Res Wave");
  EXPECT_EQ(WavReader::emptyNameText(WaveOrigin::File), "Err: Wave file");
  EXPECT_EQ(WavReader::openFailedText(WaveOrigin::Resource), "Fehler: Res Wave");
  EXPECT_EQ(WavReader::openFailedText(WaveOrigin::File), "Err: Wave file name");
}

}  // namespace
}  // namespace parlhora
