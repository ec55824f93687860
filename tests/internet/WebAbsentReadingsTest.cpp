#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "fakes/FakeNotifier.h"
#include "internet/AprsSource.h"
#include "internet/MetarSource.h"
#include "internet/NetworkSession.h"
#include "platform/VirtualClock.h"
#include "weather/UnitFactors.h"

namespace parlhora {
namespace {

// A METAR or APRS source reading a local file, as "Immer lesen" would speak it.
struct WebRig {
  explicit WebRig(bool aprs) {
    QDir().mkpath(dir.filePath("weather"));
    if (aprs)
      source = std::make_unique<AprsSource>(context, settings = WebSourceSettings::aprsDefaults(), nullptr,
                                            &network);
    else
      source = std::make_unique<MetarSource>(context, settings = WebSourceSettings::metarDefaults());
  }
  template <class Source>
  void readFile(Source& s, const QByteArray& data) {
    QFile f(dir.filePath("data.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(data);
    f.close();
    s.EditDatChange("data.txt");
    s.EditDatKeyPress();
  }
  void read(const QByteArray& data) {
    if (auto* a = dynamic_cast<AprsSource*>(source.get()))
      readFile(*a, data);
    else
      readFile(*static_cast<MetarSource*>(source.get()), data);
  }

  QTemporaryDir dir;
  VirtualClock clock{QDateTime(QDate(2026, 12, 7), QTime(12, 0))};
  FakeNotifier notifier;
  UnitFactors units;
  SourceContext context{clock, notifier, units, dir.path(), dir.filePath("weather")};
  NetworkSession network;
  WebSourceSettings settings;
  std::unique_ptr<SourceController> source;
};

void expectAbsent(const WeatherSnapshot& s, const std::string& why) {
  EXPECT_EQ(s.TempExt, -200) << why;
  EXPECT_EQ(s.TRes, -200) << why;
  EXPECT_EQ(s.TRos, -200) << why;
  EXPECT_EQ(s.PresAtm, 900) << why;
  EXPECT_EQ(s.VitVent, -1) << why;
  EXPECT_EQ(s.VitRafa, 0) << why;
  EXPECT_EQ(s.DirVent, -1) << why;
  EXPECT_EQ(s.HumiExt, -1) << why;
  EXPECT_EQ(s.Pluie, -1) << why;
  EXPECT_EQ(s.WeatherFlags, 0) << why;
}

struct Case {
  const char* name;
  bool aprs;
  QByteArray file;
};

// A file that holds no report gives no reading, whatever came before it.
TEST(WebAbsentReadings, AFileWithoutAReportLeavesEveryReadingAbsent) {
  const QByteArray metar = "LFPG 071030Z 24015G25KT 9999 -RA 12/08 Q1013\r\n";
  const QByteArray aprs = "Dec 07 2026 10:20\r\n_12071030c220s004g005t077r000p000P000h50b10132\r\n";
  const Case cases[] = {
      {"empty METAR file", false, ""},
      {"METAR file of blank lines", false, "\r\n  \r\n\n"},
      {"METAR report without groups", false, "LFPG 071030Z\r\n"},
      {"empty APRS file", true, ""},
      {"APRS file of blank lines", true, "\r\n\r\n"},
      {"APRS string of missing fields", true,
       "Dec 07 2026 10:20\r\n_12071030c...s...g...t...r...p...P...h..b.....\r\n"},
  };
  for (const Case& c : cases) {
    WebRig fresh(c.aprs);
    fresh.read(c.file);
    expectAbsent(fresh.source->snapshot(), std::string("fresh: ") + c.name);

    WebRig after(c.aprs);
    after.read(c.aprs ? aprs : metar);
    EXPECT_NE(after.source->snapshot().TempExt, -200) << c.name;
    after.read(c.file);
    EXPECT_EQ(after.source->errorText(), "") << c.name;
    expectAbsent(after.source->snapshot(), std::string("after a report: ") + c.name);
  }
}

}  // namespace
}  // namespace parlhora
