#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QtEndian>
#include <cmath>
#include <cstdlib>

#include "audio/PieceLibrary.h"
#include "audio/WavReader.h"

namespace parlhora {
namespace {

// Stored at 16,000 Hz with a "fact" chunk before and a "LIST" chunk after the samples.
const QSet<QString> kSixteenKilohertz = {"SON_AM",  "SON_INCH", "SON_INHG",       "SON_KUCKOO",
                                         "SON_MPH", "SON_PM",   "SON_TENTH_INCH", "SON_WEST"};

QByteArray readAll(const QString& name) {
  auto device = PieceLibrary::open(name);
  return device ? device->readAll() : QByteArray();
}

TEST(PieceLibrary, HoldsTheWholeVocabulary) {
  const QStringList names = PieceLibrary::names();
  EXPECT_EQ(names.size(), 222);
  for (const QString& name : names) EXPECT_EQ(name, name.toUpper());
}

TEST(PieceLibrary, EveryPieceReadsWithItsStoredLayout) {
  int sixteen = 0;
  for (const QString& name : PieceLibrary::names()) {
    SCOPED_TRACE(name.toStdString());
    auto device = PieceLibrary::open(name);
    ASSERT_NE(device, nullptr);
    QByteArray samples;
    const WavReadResult r = WavReader::read(*device, WaveOrigin::Resource, samples);
    ASSERT_TRUE(r.ok()) << r.error.toStdString();
    EXPECT_EQ(r.format.channels, 1);
    EXPECT_EQ(r.format.bitsPerSample, 16);
    EXPECT_GT(samples.size(), 0);
    EXPECT_LE(samples.size(), 88200);  // one output block of the wave engine
    // A piece that starts or ends loud next to the silence around it clicks on air.
    const auto dbfsAt = [&samples](int index) {
      const qint16 v = qFromLittleEndian<qint16>(samples.constData() + index);
      return 20 * std::log10((std::abs(int(v)) + 0.5) / 32768.0);
    };
    EXPECT_LT(dbfsAt(0), -40.0);
    EXPECT_LT(dbfsAt(samples.size() - 2), -40.0);

    const QByteArray bytes = readAll(name);
    const QByteArray afterFmt = bytes.mid(36, 4);
    if (kSixteenKilohertz.contains(name)) {
      ++sixteen;
      EXPECT_EQ(r.format.samplesPerSec, 16000u);
      EXPECT_EQ(afterFmt, "fact");
      EXPECT_EQ(bytes.mid(40, 4), QByteArray("\x04\0\0\0", 4));
      EXPECT_EQ(bytes.mid(bytes.size() - 12, 4), "LIST");
      EXPECT_EQ(bytes.size(), 44 + 12 + samples.size() + 12);
    } else {
      EXPECT_EQ(r.format.samplesPerSec, 11025u);
      EXPECT_EQ(afterFmt, "data");
      EXPECT_EQ(bytes.size(), 44 + samples.size());
    }
  }
  EXPECT_EQ(sixteen, 8);
}

// Every name the number, time, date and weather rules form must be there.
TEST(PieceLibrary, HasEveryNameTheRulesForm) {
  QStringList wanted;
  for (int n = 0; n <= 99; ++n) wanted << QStringLiteral("son%1").arg(n);
  for (int d = 1; d <= 31; ++d) wanted << QStringLiteral("son_%1te").arg(d);
  for (const char* w : {"sun", "mon", "tue", "wed", "thu", "fri", "sat", "jan", "feb", "mar", "apr", "may",
                        "jun", "jul", "aug", "sep", "oct", "nov", "dec"})
    wanted << QStringLiteral("son_") + w;
  wanted << "son100"
         << "son100_and"
         << "son900"
         << "son1000"
         << "son2000"
         << "son_it_s"
         << "son_hour"
         << "son_minute"
         << "son_north_north_west"
         << "son_variable"
         << "son_rain24"
         << "son_moderatly"
         << "son_millibars"
         << "son_inhg"
         << "son_point"
         << "son_kuckoo"
         << "sono9"
         << "son1000_and";
  for (const QString& name : wanted) EXPECT_NE(PieceLibrary::open(name), nullptr) << name.toStdString();
}

TEST(PieceLibrary, LookupIgnoresCase) {
  const QByteArray mon = readAll("SON_MON");
  ASSERT_FALSE(mon.isEmpty());
  EXPECT_EQ(readAll("son_mon"), mon);
  EXPECT_EQ(readAll("Son_Mon"), mon);
  EXPECT_NE(readAll("son_tue"), mon);
}

TEST(PieceLibrary, UnknownOrMalformedNamesFindNothing) {
  for (const char* name : {"", "son_nope", "son100_", "son_mon.wav", "SON_MON.WAV", "../icons/x",
                           "/pieces/SON0", "son 0", "son0\n"})
    EXPECT_EQ(PieceLibrary::open(QString::fromUtf8(name)), nullptr) << name;
}

TEST(PieceLibraryCuckoo, InstallsTheCallWhereItIsMissing) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  ASSERT_TRUE(PieceLibrary::installCuckoo(dir.path()));
  QFile file(dir.filePath("kuckoo.wav"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), readAll("son_kuckoo"));
  file.seek(0);
  QByteArray samples;
  EXPECT_TRUE(WavReader::read(file, WaveOrigin::File, samples).ok());
}

TEST(PieceLibraryCuckoo, NeverOverwritesTheUsersFile) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  {
    QFile own(dir.filePath("kuckoo.wav"));
    ASSERT_TRUE(own.open(QIODevice::WriteOnly));
    own.write("my own jingle");
  }
  EXPECT_TRUE(PieceLibrary::installCuckoo(dir.path()));
  QFile file(dir.filePath("kuckoo.wav"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), "my own jingle");
}

TEST(PieceLibraryCuckoo, ReportsAFolderItCannotWriteTo) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  EXPECT_FALSE(PieceLibrary::installCuckoo(dir.filePath("missing/folder")));
  EXPECT_FALSE(QFile::exists(dir.filePath("missing/folder/kuckoo.wav")));
}

}  // namespace
}  // namespace parlhora
