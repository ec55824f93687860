#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <functional>

#include "StationFiles.h"
#include "StationRig.h"
#include "stations/TailReader.h"

namespace parlhora::test {
namespace {

QByteArray goodFile(Kind kind) {
  switch (kind) {
    case Kind::W23:
      return W23Rec{}.bytes() + W23Rec{}.bytes();
    case Kind::W28:
      return W28Rec{}.bytes() + W28Rec{}.bytes();
    case Kind::Pro2:
      return pro2File({Pro2Rec{}, Pro2Rec{}}, {{1, 2}});
  }
  return {};
}

// Every fault: "Dateifehler", one beep, and the readings of the last good
// refresh untouched. `make` turns the good file at `path` into a bad one
// and returns the path to refresh.
struct Fault {
  const char* name;
  Kind kind;
  std::function<QString(const QString& path)> make;
};

bool same(const WeatherSnapshot& a, const WeatherSnapshot& b) {
  return a.TempInt == b.TempInt && a.TempExt == b.TempExt && a.TRes == b.TRes && a.TRos == b.TRos &&
         a.PresAtm == b.PresAtm && a.PreTend == b.PreTend && a.VitVent == b.VitVent &&
         a.VitRafa == b.VitRafa && a.DirVent == b.DirVent && a.HumInt == b.HumInt && a.HumiExt == b.HumiExt &&
         a.Pluie == b.Pluie && a.RecordInterval == b.RecordInterval;
}

QString rewrite(const QString& path, const QByteArray& bytes) {
  writeFile(path, bytes);
  return path;
}

TEST(StationFaults, DateifehlerAndTheReadingsKept) {
  W23Rec nanTemp;
  nanTemp.tempOut = std::numeric_limits<float>::quiet_NaN();
  W28Rec infWind;
  infWind.wind = std::numeric_limits<float>::infinity();
  W28Rec absurdDate;
  absurdDate.time = 1e12;
  Pro2Rec notArchive;
  notArchive.type = 2;
  Pro2Rec minute1500;
  minute1500.minutes = 1500;
  const Fault faults[] = {
      {"zero length", Kind::W23, [](const QString& p) { return rewrite(p, {}); }},
      {"zero length", Kind::W28, [](const QString& p) { return rewrite(p, {}); }},
      {"zero length", Kind::Pro2, [](const QString& p) { return rewrite(p, {}); }},
      {"shorter than a record", Kind::W23, [](const QString& p) { return rewrite(p, QByteArray(35, 'x')); }},
      {"NaN outside", Kind::W23, [&](const QString& p) { return rewrite(p, nanTemp.bytes()); }},
      {"infinite wind", Kind::W28, [&](const QString& p) { return rewrite(p, infWind.bytes()); }},
      {"absurd date", Kind::W28, [&](const QString& p) { return rewrite(p, absurdDate.bytes()); }},
      {"short header", Kind::Pro2, [](const QString& p) { return rewrite(p, QByteArray(100, '\0')); }},
      {"more records announced than present", Kind::Pro2,
       [](const QString& p) {
         return rewrite(p, pro2File({Pro2Rec{}}, {{1, 1}}, 2));
       }},
      {"negative record count", Kind::Pro2,
       [](const QString& p) {
         return rewrite(p, pro2File({Pro2Rec{}}, {{1, 1}}, -5));
       }},
      {"no archive record", Kind::Pro2,
       [&](const QString& p) {
         return rewrite(p, pro2File({notArchive}, {{1, 1}}));
       }},
      {"empty day index", Kind::Pro2, [](const QString& p) { return rewrite(p, pro2File({Pro2Rec{}}, {})); }},
      {"day 30 of February", Kind::Pro2,
       [](const QString& p) {
         const QString feb = QFileInfo(p).dir().filePath("2026-02.wlk");
         return rewrite(feb, pro2File({Pro2Rec{}}, {{30, 1}}));
       }},
      {"time beyond hour 24", Kind::Pro2,
       [&](const QString& p) {
         return rewrite(p, pro2File({minute1500}, {{1, 1}}));
       }},
      {"not a .wlk file", Kind::Pro2,
       [](const QString& p) {
         return rewrite(QFileInfo(p).dir().filePath("2026-03.txt"), goodFile(Kind::Pro2));
       }},
      {"a directory", Kind::W23,
       [](const QString& p) {
         const QString dir = p + ".d";
         QDir().mkdir(dir);
         return dir;
       }},
      {"a FIFO", Kind::W28,
       [](const QString& p) {
         const QString fifo = p + ".fifo";
         if (::mkfifo(QFile::encodeName(fifo).constData(), 0600) != 0) std::abort();
         return fifo;
       }},
  };
  for (const Fault& f : faults) {
    StationRig rig(f.kind);
    rig.settings.currentMonthFile = false;
    const QString path = rig.path(f.kind == Kind::Pro2 ? "2026-03.wlk" : "history.dat");
    writeFile(path, goodFile(f.kind));
    rig.refresh(path);
    ASSERT_EQ(rig.source->errorText(), QString()) << f.name;
    const WeatherSnapshot before = rig.snap();
    const double dataTime = rig.source->companions().DataTime;
    const Captions captions = rig.source->captions();

    rig.refresh(f.make(path));
    EXPECT_EQ(rig.source->errorText(), "Dateifehler") << f.name;
    EXPECT_EQ(rig.settings.errorText, "Dateifehler") << f.name;
    EXPECT_EQ(rig.notifier.beeps, 1) << f.name;
    EXPECT_TRUE(same(rig.snap(), before)) << f.name;
    EXPECT_EQ(rig.source->companions().DataTime, dataTime) << f.name;
    EXPECT_EQ(rig.caption("CheckBoxText"), captions.text("CheckBoxText")) << f.name;
    EXPECT_TRUE(rig.source->timerActive()) << f.name;
  }
}

TEST(StationFaults, MissingFileChangesNothing) {
  for (const Kind kind : {Kind::W23, Kind::W28, Kind::Pro2}) {
    StationRig rig(kind);
    rig.refresh(rig.path("2026-03.wlk"));
    EXPECT_EQ(rig.source->errorText(), QString());
    EXPECT_EQ(rig.notifier.beeps, 0);
    EXPECT_EQ(rig.source->companions().DataTime, 0);
    EXPECT_TRUE(rig.source->timerActive());
  }
}

TEST(StationFaults, UnreadableFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
  StationRig rig(Kind::W23);
  writeFile(rig.path("h.dat"), goodFile(Kind::W23));
  QFile::setPermissions(rig.path("h.dat"), QFileDevice::Permissions());
  rig.refresh(rig.path("h.dat"));
  EXPECT_EQ(rig.source->errorText(), "Dateifehler");
}

TEST(StationFaults, AGoodRefreshClearsAnEarlierFault) {
  StationRig rig(Kind::W23);
  writeFile(rig.path("h.dat"), QByteArray(10, 'x'));
  rig.refresh(rig.path("h.dat"));
  ASSERT_EQ(rig.source->errorText(), "Dateifehler");
  writeFile(rig.path("h.dat"), goodFile(Kind::W23));
  rig.source->refresh();
  EXPECT_EQ(rig.source->errorText(), QString());
  EXPECT_EQ(rig.settings.errorText, QString());
}

// The station software appends while we read: a torn last record is not
// there yet, and the readings are those of the complete ones.
TEST(GrowingFile, TornRecordIgnoredUntilComplete) {
  StationRig rig(Kind::W23);
  W23Rec a, b;
  b.seconds += 300;
  b.tempOut = 25.0f;
  writeFile(rig.path("h.dat"), a.bytes());
  rig.refresh(rig.path("h.dat"));
  const double first = rig.source->companions().DataTime;
  QFile f(rig.path("h.dat"));
  ASSERT_TRUE(f.open(QIODevice::Append));
  f.write(b.bytes().left(20));
  f.flush();
  rig.source->refresh();
  EXPECT_EQ(rig.caption("CheckBoxText"), "Aussen-T (°C) = 15.0");
  f.write(b.bytes().mid(20));
  f.flush();
  rig.source->refresh();
  EXPECT_EQ(rig.caption("CheckBoxText"), "Aussen-T (°C) = 25.0");
  EXPECT_GT(rig.source->companions().DataTime, first);
  EXPECT_EQ(rig.source->errorText(), QString());
}

TEST(GrowingFile, TruncationDuringAReadIsSeen) {
  QTemporaryDir dir;
  const QString path = dir.filePath("h.dat");
  writeFile(path, QByteArray(36 * 1000, 'x'));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  TailReader reader(file, 0, 36);
  ASSERT_NE(reader.record(999), nullptr);
  EXPECT_TRUE(reader.intact());
  QFile::resize(path, 36 * 500);
  EXPECT_FALSE(reader.intact());
}

TEST(DataTime, OnlyEverRaised) {
  StationRig rig(Kind::W23);
  W23Rec older;
  older.seconds -= 86400;
  older.tempOut = 3.0f;
  writeFile(rig.path("new.dat"), W23Rec{}.bytes());
  writeFile(rig.path("old.dat"), older.bytes());
  rig.refresh(rig.path("new.dat"));
  const double newest = rig.source->companions().DataTime;
  rig.refresh(rig.path("old.dat"));
  EXPECT_EQ(rig.source->companions().DataTime, newest);
  EXPECT_EQ(rig.caption("CheckBoxText"), "Aussen-T (°C) = 3.0") << "the readings are the file's";
}

TEST(Browse, ExistingFileIsReadMissingOneRefused) {
  StationRig rig(Kind::W23);
  writeFile(rig.path("h.dat"), goodFile(Kind::W23));
  rig.source->ButtonParcourirClick(rig.path("h.dat"));
  EXPECT_EQ(rig.source->companions().FileName, rig.path("h.dat"));
  EXPECT_EQ(rig.caption("CheckBoxText"), "Aussen-T (°C) = 15.0");
  EXPECT_EQ(rig.notifier.beeps, 0);

  rig.source->ButtonParcourirClick(rig.path("gone.dat"));
  EXPECT_EQ(rig.source->companions().FileName, QString());
  EXPECT_TRUE(rig.settings.file.isEmpty());
  EXPECT_EQ(rig.source->errorText(), "Dateifehler");
  EXPECT_EQ(rig.notifier.beeps, 1);
  EXPECT_EQ(rig.caption("CheckBoxTint"), "Innen-T(°C) = ");
  EXPECT_EQ(rig.caption("Editdatemeteo"), QString());
}

}  // namespace
}  // namespace parlhora::test
